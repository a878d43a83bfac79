// Code page 932 (Shift_JIS as Windows writes it) at the screen boundary: texts stay bytes in
// the program and are decoded only to be shown, encoded only when typed or pasted.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace tintor {

QString FromCp932(std::string_view bytes);
// The bytes of a text; characters code page 932 cannot hold are dropped and reported in ok.
std::string ToCp932(const QString& text, bool* ok = nullptr);
// The same, with each such character written as "?", so the reader sees something was there.
std::string ToCp932Replacing(const QString& text);
// Whether every character of the text has a code page 932 form.
bool IsCp932Encodable(const QString& text);
// Byte length of the text in code page 932 (characters it cannot hold count 0).
std::size_t Cp932Length(const QString& text);
// The longest start of the text that fits in maxBytes bytes, cut between characters.
QString TruncateToCp932Bytes(const QString& text, std::size_t maxBytes);

} // namespace tintor
