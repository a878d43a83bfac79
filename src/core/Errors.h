// The errors that reach the user's error box. Each carries its message as UTF-8 text ready to
// show; the error box appends "." where the message needs it.
#pragma once

#include <stdexcept>
#include <string>

namespace tintor {

// Base of every error the program reports in its error box.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is neither an integer text nor a colour name. Text holds the offending bytes
// exactly (code page 932), since the UTF-8 message can only approximate bytes that are not ASCII.
class EConvertError : public Error {
public:
    explicit EConvertError(std::string text);
    const std::string& Text() const noexcept { return text_; }
    // The message with %s replaced by the given (already decoded) text.
    static std::string MessageFor(const std::string& decodedText);

private:
    std::string text_;
};

// A file that cannot be opened for reading: "ファイル %s は開けません".
class EFOpenError : public Error {
public:
    explicit EFOpenError(const std::string& path);
};

// A file that cannot be created: "ファイル %s を作成できません".
class EFCreateError : public Error {
public:
    explicit EFCreateError(const std::string& path);
};

// Fewer bytes written than the text holds: "ストリームへの書き込みエラー".
class EWriteError : public Error {
public:
    EWriteError();
};

// A line that a list does not have: "リストのインデックスが範囲を超えています (%d)".
class EListError : public Error {
public:
    explicit EListError(long index);
    long Index() const noexcept { return index_; }

private:
    long index_;
};

} // namespace tintor
