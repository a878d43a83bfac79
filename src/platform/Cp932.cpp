// Code page 932 conversion through Qt's ICU-backed "windows-31j" converter. Texts of plain
// ASCII, nearly all of the program's own, are converted without it: opening the converter maps
// and reads ICU's data, which costs a megabyte of memory at start-up.
#include "platform/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace tintor {

namespace {
constexpr const char* CodecName = "windows-31j";

// windows-31j maps bytes 0x00-0x7F to the same code points, except three control characters
// it exchanges as IBM's tables do: 0x1A <-> U+001C, 0x1C <-> U+007F, 0x7F <-> U+001A.
constexpr char16_t AsciiByteToChar(unsigned char byte) {
    switch (byte) {
    case 0x1A:
        return 0x1C;
    case 0x1C:
        return 0x7F;
    case 0x7F:
        return 0x1A;
    default:
        return byte;
    }
}

constexpr char AsciiCharToByte(char16_t c) {
    switch (c) {
    case 0x1A:
        return 0x7F;
    case 0x1C:
        return 0x1A;
    case 0x7F:
        return 0x1C;
    default:
        return static_cast<char>(c);
    }
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Byte length of one character (a UTF-16 code point given as its string) or 0 if unencodable.
std::size_t EncodedLength(QStringView piece) {
    QStringEncoder encoder(CodecName);
    const QByteArray bytes = encoder.encode(piece);
    return encoder.hasError() ? 0 : static_cast<std::size_t>(bytes.size());
}

// Walks the text one code point at a time.
template <typename Fn> void ForEachCodePoint(const QString& text, Fn&& fn) {
    for (qsizetype i = 0; i < text.size();) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        if (!fn(QStringView(text).mid(i, len))) return;
        i += len;
    }
}
} // namespace

QString FromCp932(std::string_view bytes) {
    if (IsAscii(bytes)) {
        QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
        std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
            return QChar(AsciiByteToChar(static_cast<unsigned char>(byte)));
        });
        return text;
    }
    QStringDecoder decoder(CodecName);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToCp932(const QString& text, bool* ok) {
    if (IsAscii(text)) {
        std::string bytes(static_cast<std::size_t>(text.size()), '\0');
        std::transform(text.begin(), text.end(), bytes.begin(),
                       [](QChar c) { return AsciiCharToByte(c.unicode()); });
        if (ok) *ok = true;
        return bytes;
    }
    QStringEncoder encoder(CodecName);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) {
        if (ok) *ok = true;
        return bytes.toStdString();
    }
    // Drop what code page 932 cannot hold, character by character.
    std::string result;
    ForEachCodePoint(text, [&](QStringView piece) {
        QStringEncoder one(CodecName);
        const QByteArray part = one.encode(piece);
        if (!one.hasError()) result.append(part.constData(), static_cast<std::size_t>(part.size()));
        return true;
    });
    if (ok) *ok = false;
    return result;
}

std::string ToCp932Replacing(const QString& text) {
    QStringEncoder encoder(CodecName);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) return bytes.toStdString();
    std::string result;
    ForEachCodePoint(text, [&](QStringView piece) {
        QStringEncoder one(CodecName);
        const QByteArray part = one.encode(piece);
        if (one.hasError())
            result += '?';
        else
            result.append(part.constData(), static_cast<std::size_t>(part.size()));
        return true;
    });
    return result;
}

bool IsCp932Encodable(const QString& text) {
    if (IsAscii(text)) return true;
    QStringEncoder encoder(CodecName);
    // encode() converts only when its result becomes a QByteArray.
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

std::size_t Cp932Length(const QString& text) {
    if (IsAscii(text)) return static_cast<std::size_t>(text.size());
    QStringEncoder encoder(CodecName);
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError()) return static_cast<std::size_t>(bytes.size());
    std::size_t total = 0;
    ForEachCodePoint(text, [&](QStringView piece) {
        total += EncodedLength(piece);
        return true;
    });
    return total;
}

QString TruncateToCp932Bytes(const QString& text, std::size_t maxBytes) {
    if (Cp932Length(text) <= maxBytes) return text;
    if (IsAscii(text)) return text.left(static_cast<qsizetype>(maxBytes));
    QString result;
    std::size_t used = 0;
    ForEachCodePoint(text, [&](QStringView piece) {
        const std::size_t len = EncodedLength(piece);
        if (used + len > maxBytes) return false;
        used += len;
        result.append(piece);
        return true;
    });
    return result;
}

} // namespace tintor
