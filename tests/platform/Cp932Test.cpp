// Code page 932 conversion at the screen boundary: round trips, unencodable characters,
// byte lengths and cuts between characters.
#include "platform/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <string>

namespace tintor {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct RoundTrip {
    const char* utf8;
    std::string bytes;
};

class Cp932RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTrip, EncodesAndDecodesBothWays) {
    const RoundTrip& c = GetParam();
    bool ok = false;
    EXPECT_EQ(ToCp932(U(c.utf8), &ok), c.bytes);
    EXPECT_TRUE(ok);
    EXPECT_EQ(FromCp932(c.bytes), U(c.utf8));
    EXPECT_EQ(Cp932Length(U(c.utf8)), c.bytes.size());
    EXPECT_TRUE(IsCp932Encodable(U(c.utf8)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932RoundTrip,
    ::testing::Values(RoundTrip{"", ""}, RoundTrip{"#FF8000 &H0080FF&", "#FF8000 &H0080FF&"},
                      RoundTrip{"あアｱ", "\x82\xa0\x83\x41\xb1"},
                      RoundTrip{"色見本", "\x90\x46\x8c\xa9\x96\x7b"},
                      // Full-width blank, question mark, wave dash and backslash.
                      RoundTrip{"　？～＼", "\x81\x40\x81\x48\x81\x60\x81\x5f"},
                      // Bytes 0x5C and 0x7E stay backslash and tilde.
                      RoundTrip{"\\~", "\\~"}));

TEST(Cp932, UnencodableCharactersAreDroppedAndReported) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    // Emoji, yen sign U+00A5, wave dash U+301C and minus sign U+2212 have no code page 932
    // form in windows-31j (the full-width forms do).
    const Case cases[] = {
        {"a😀b", "ab"}, {"¥100", "100"}, {"〜", ""}, {"1−2", "12"}, {"あ😀😀", "\x82\xa0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        bool ok = true;
        EXPECT_EQ(ToCp932(U(c.utf8), &ok), c.bytes);
        EXPECT_FALSE(ok);
        EXPECT_FALSE(IsCp932Encodable(U(c.utf8)));
        EXPECT_EQ(Cp932Length(U(c.utf8)), c.bytes.size());
    }
}

TEST(Cp932, InvalidBytesDecodeToSomethingShowable) {
    const std::string cases[] = {"\xff", "a\x81 b", "\xa0\x80\xfd", std::string("\x82\xa0\0x", 4),
                                 "abc\x82"};
    for (const std::string& bytes : cases) {
        const QString text = FromCp932(bytes);
        EXPECT_LE(text.size(), static_cast<qsizetype>(bytes.size()));
    }
    // Valid characters around an invalid byte survive.
    const QString mixed = FromCp932("a\xff\x82\xa0");
    EXPECT_TRUE(mixed.startsWith('a'));
    EXPECT_TRUE(mixed.endsWith(U("あ")));
}

TEST(Cp932, TruncateNeverSplitsADoubleByteCharacter) {
    struct Case {
        const char* utf8;
        std::size_t max;
        const char* expected;
    };
    const Case cases[] = {
        {"漢字漢字漢字漢", 14, "漢字漢字漢字漢"}, // exactly 14 bytes
        {"a漢字漢字漢字漢", 14, "a漢字漢字漢字"}, // 15 bytes: the last kanji goes whole
        {"abcdefghijklmnop", 14, "abcdefghijklmn"},
        {"ab漢", 3, "ab"},
        {"漢", 1, ""},
        {"a😀漢b", 4, "a😀漢b"}, // the emoji counts 0 bytes
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        const QString cut = TruncateToCp932Bytes(U(c.utf8), c.max);
        EXPECT_EQ(cut, U(c.expected));
        EXPECT_LE(Cp932Length(cut), c.max);
    }
}

// Plain ASCII is converted without ICU; every byte and character must still convert exactly as
// ICU's windows-31j does, alone, in an ASCII text and next to a character that needs ICU.
TEST(Cp932, AsciiConvertsExactlyAsTheIcuConverterDoes) {
    const std::string kanji = "\x8a\xbf"; // 漢
    std::string all;
    for (int b = 0; b < 0x80; ++b) {
        const std::string byte(1, static_cast<char>(b));
        all += byte;
        SCOPED_TRACE(b);
        QStringDecoder decoder("windows-31j");
        const QString icu = decoder.decode(QByteArrayView(byte.data(), 1));
        ASSERT_EQ(icu.size(), 1);
        EXPECT_EQ(FromCp932(byte), icu);
        EXPECT_EQ(FromCp932(byte + kanji), icu + U("漢"));

        QStringEncoder encoder("windows-31j");
        const QString character(QChar(static_cast<char16_t>(b)));
        const QByteArray icuBytes = encoder.encode(character);
        bool ok = false;
        EXPECT_EQ(ToCp932(character, &ok), icuBytes.toStdString());
        EXPECT_TRUE(ok);
        EXPECT_EQ(ToCp932(character + U("漢")), icuBytes.toStdString() + kanji);
        EXPECT_EQ(Cp932Length(character), 1u);
        EXPECT_TRUE(IsCp932Encodable(character));
    }
    QStringDecoder decoder("windows-31j");
    const QString icuAll = decoder.decode(QByteArrayView(all.data(), 0x80));
    EXPECT_EQ(FromCp932(all), icuAll);
    EXPECT_EQ(ToCp932(icuAll), all);
    // The three control characters windows-31j exchanges, as it exchanges them.
    EXPECT_EQ(FromCp932("\x1a\x1c\x7f"), QStringView(u"\u001c\u007f\u001a").toString());
}

} // namespace
} // namespace tintor
