// The error box text and the guard that turns an escaping error into the error box.
#include "core/Errors.h"
#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace tintor {
namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

TEST(ErrorBoxText, AppendsAFullStopWhenTheLastCharacterSortsAfterIt) {
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        {"ストリームへの書き込みエラー", "ストリームへの書き込みエラー."},
        {"abc", "abc."},
        {"a/", "a/."},            // '/' is 0x2F
        {"done.", "done."},       // ends in "." itself
        {"a-", "a-"},             // '-' is 0x2D
        {"list (3)", "list (3)"}, // ')' is 0x29
        {"リストのインデックスが範囲を超えています (50)",
         "リストのインデックスが範囲を超えています (50)"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(Utf8(ErrorBoxText(std::runtime_error(c.message))), c.shown);
    }
    EXPECT_EQ(Utf8(ErrorBoxText(EListError(7))), "リストのインデックスが範囲を超えています (7)");
    EXPECT_EQ(Utf8(ErrorBoxText(EFOpenError("/tmp/System.tri"))),
              "ファイル /tmp/System.tri は開けません.");
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(ErrorBoxText, ConversionErrorShowsTheDecodedText) {
    struct Case {
        std::string bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"\x82\xa0", "'あ' は整数ではありません."},
        {"x", "'x' は整数ではありません."},
        {"", "'' は整数ではありません."},
        {std::string(200, '7'), "'" + std::string(200, '7') + "' は整数ではありません."},
        // A huge line from a hand-made file shows its start only.
        {std::string(5000, '7'), "'" + std::string(200, '7') + "…' は整数ではありません."},
        // Double-byte characters around the cut: 200 fit whole, the 201st is cut off.
        {Repeat("\x8a\xbf", 200), "'" + Repeat("漢", 200) + "' は整数ではありません."},
        {Repeat("\x8a\xbf", 201), "'" + Repeat("漢", 200) + "…' は整数ではありません."},
        {Repeat("\x8a\xbf", 3000), "'" + Repeat("漢", 200) + "…' は整数ではありません."},
        {"a" + Repeat("\x8a\xbf", 200), "'a" + Repeat("漢", 199) + "…' は整数ではありません."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(Utf8(ErrorBoxText(EConvertError(c.bytes))), c.shown);
    }
    // Bytes that are no code page 932 text still give a message.
    const QString odd = ErrorBoxText(EConvertError("\xff\x82"));
    EXPECT_TRUE(odd.startsWith('\''));
    EXPECT_TRUE(odd.endsWith(QString::fromUtf8("は整数ではありません.")));
}

TEST(Guarded, AnEscapingErrorReachesTheErrorBoxAndTheRestIsSkipped) {
    ScriptedPlatform platform;
    std::vector<int> steps;
    Guarded(platform, [&] {
        steps.push_back(1);
        throw EConvertError("\x82\xa0");
        steps.push_back(2);
    });
    Guarded(platform, [&] { steps.push_back(3); });
    Guarded(platform, [&] { throw EFCreateError("/ro/System.tri"); });
    EXPECT_EQ(steps, (std::vector<int>{1, 3}));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"ShowError: 'あ' は整数ではありません.",
                                        "ShowError: ファイル /ro/System.tri を作成できません."}));
}

TEST(QtNameFilter, KeepsTheDescriptionQtTakesThePatternFrom) {
    struct Case {
        const char* filter;
        const char* qtFilter;
    };
    const Case cases[] = {
        {"TINTOR デザインデータ(*.tdd)|*.tdd", "TINTOR デザインデータ(*.tdd)"},
        {"TINTOR ユーザ作成色データ(*.tud)|*.tud", "TINTOR ユーザ作成色データ(*.tud)"},
        {"html ファイル(*.html)|*.html", "html ファイル(*.html)"},
        {"Text|*.txt", "Text (*.txt)"},
        {"*.txt", "*.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(Utf8(QtNameFilter(QString::fromUtf8(c.filter))), c.qtFilter);
    }
}

} // namespace
} // namespace tintor
