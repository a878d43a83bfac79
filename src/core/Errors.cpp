// Messages of the errors that reach the error box.
#include "core/Errors.h"

namespace tintor {

EConvertError::EConvertError(std::string text) : Error(MessageFor(text)), text_(std::move(text)) {}

std::string EConvertError::MessageFor(const std::string& decodedText) {
    return "'" + decodedText + "' は整数ではありません";
}

EFOpenError::EFOpenError(const std::string& path) : Error("ファイル " + path + " は開けません") {}

EFCreateError::EFCreateError(const std::string& path)
    : Error("ファイル " + path + " を作成できません") {}

EWriteError::EWriteError() : Error("ストリームへの書き込みエラー") {}

EListError::EListError(long index)
    : Error("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")"),
      index_(index) {}

} // namespace tintor
