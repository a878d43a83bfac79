// The integer text rule: accepted forms, refused forms and the conversion error.
#include "colour/IntegerText.h"

#include "core/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace tintor {
namespace {

struct Accepted {
    std::string text;
    std::uint32_t value;
};

class IntegerTextAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(IntegerTextAccepted, GivesValue) {
    const Accepted& c = GetParam();
    EXPECT_EQ(TryStrToInt(c.text), static_cast<std::int32_t>(c.value)) << c.text;
    EXPECT_EQ(StrToInt(c.text), static_cast<std::int32_t>(c.value)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerTextAccepted,
    ::testing::Values(Accepted{"0", 0}, Accepted{"42", 42}, Accepted{"  42", 42},
                      Accepted{"0123", 123}, Accepted{"16777215", 0x00FFFFFF},
                      Accepted{"-5", 0xFFFFFFFB}, Accepted{"+7", 7}, Accepted{"-0", 0},
                      Accepted{"2147483647", 0x7FFFFFFF}, Accepted{"-2147483648", 0x80000000},
                      Accepted{"000000000002147483647", 0x7FFFFFFF}, Accepted{"$FF", 255},
                      Accepted{"$ff", 255}, Accepted{"xffffff", 0x00FFFFFF}, Accepted{"XFF", 255},
                      Accepted{"0x1F", 31}, Accepted{"0X1f", 31}, Accepted{" $10", 16},
                      Accepted{"$FFFFFFFF", 0xFFFFFFFF}, Accepted{"$80000005", 0x80000005},
                      Accepted{"$000000001", 1}, Accepted{"0x0000000000FFFFFFFF", 0xFFFFFFFF}));

class IntegerTextRefused : public ::testing::TestWithParam<std::string> {};

TEST_P(IntegerTextRefused, FailsWithWholeText) {
    const std::string& text = GetParam();
    EXPECT_EQ(TryStrToInt(text), std::nullopt) << text;
    try {
        StrToInt(text);
        ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Text(), text);
        // what() is a C string, so a NUL byte ends the message there; Text() keeps every byte.
        const std::string message = "'" + text + "' は整数ではありません";
        EXPECT_STREQ(e.what(), message.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, IntegerTextRefused,
                         ::testing::Values("", " ", "   ", "42 ", "\t42", "4 2", "-", "+", "$", "x",
                                           "0x", "0X", "-$10", "+0x10", "--1", "+-1", "$-1", "$ 1",
                                           "$G", "0xG", "1.5", "1e3", "12a", "$100000000",
                                           "0x123456789", "2147483648", "-2147483649",
                                           "99999999999999999999999", "clWhite",
                                           std::string("4\0"
                                                       "2",
                                                       3),
                                           "\x82\xa0", "\xff\xfe", "\xef\xbc\x91"));

TEST(IntegerTextError, EmptyTextGivesTwoApostrophes) {
    try {
        StrToInt("");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'' は整数ではありません");
        EXPECT_EQ(e.Text(), "");
    }
}

} // namespace
} // namespace tintor
