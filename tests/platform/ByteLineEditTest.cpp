// The byte-limited text box: typing, inserting and pasting stop at 14 bytes of code page 932
// text and never split a character; programmatic texts are not limited.
#include "platform/Cp932.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>

namespace tintor {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types a text one character at a time as key presses carrying the character (QTest::keyClicks
// only carries Latin-1).
void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text[i].isHighSurrogate() ? 2 : 1;
        const QString piece = text.mid(i, len);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, piece);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, piece);
        QApplication::sendEvent(widget, &release);
        i += len;
    }
}

// Commits a converted text as an input method does.
void Commit(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

class ByteLineEditTest : public ::testing::Test {
protected:
    ByteLineEdit edit;

    // Puts a text in the box programmatically and the cursor at a character position.
    void Start(const char* utf8, int cursor) {
        edit.SetBytes(ToCp932(U(utf8)));
        edit.setCursorPosition(cursor);
    }
};

TEST_F(ByteLineEditTest, TypingStopsAtFourteenBytes) {
    struct Case {
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"0123456789ABCDEFGH", "0123456789ABCD"},
        {"a漢字漢字漢字漢字", "a漢字漢字漢字"}, // 13 bytes: the next kanji does not fit
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit.clear();
        Type(&edit, U(c.typed));
        EXPECT_EQ(edit.text(), U(c.expected));
        EXPECT_LE(edit.Bytes().size(), 14u);
        edit.clear();
        Commit(&edit, U(c.typed));
        EXPECT_EQ(edit.text(), U(c.expected));
    }
}

TEST_F(ByteLineEditTest, TypingIntoAFullBoxIsRefused) {
    Start("0123456789ABCD", 5);
    Type(&edit, "x");
    EXPECT_EQ(edit.text(), "0123456789ABCD");
    Start("a漢字漢字漢字a", 3); // 14 bytes
    Type(&edit, U("字z"));
    EXPECT_EQ(edit.text(), U("a漢字漢字漢字a"));
    // Room for one byte does not take a double-byte character.
    Start("0123456789ABC", 2);
    Type(&edit, U("漢x"));
    EXPECT_EQ(edit.text(), "01x23456789ABC");
}

TEST_F(ByteLineEditTest, InsertingKeepsWhatFitsCutBetweenCharacters) {
    struct Case {
        const char* before;
        int cursor;
        const char* inserted;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, "漢字漢字漢字漢字", "漢字漢字漢字漢"},
        {"abc", 3, "漢字漢字漢字漢字", "abc漢字漢字漢"}, // 13 bytes; one left over
        {"abcd", 2, "漢字漢字漢字漢字", "ab漢字漢字漢cd"},
        {"ab", 1, "x😀y¥z", "axyzb"}, // unencodable characters are dropped
        {"", 0, "😀漢字漢字漢字漢字", "漢字漢字漢字漢"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inserted);
        Start(c.before, c.cursor);
        edit.InsertLimited(U(c.inserted));
        EXPECT_EQ(edit.text(), U(c.expected));
        Start(c.before, c.cursor);
        edit.insert(U(c.inserted));
        EXPECT_EQ(edit.text(), U(c.expected));
    }
}

TEST_F(ByteLineEditTest, PasteObeysTheLimit) {
    Start("#", 1);
    QApplication::clipboard()->setText(U("FF8000漢字漢字漢字"));
    edit.paste();
    EXPECT_EQ(edit.text(), U("#FF8000漢字漢"));
    EXPECT_EQ(edit.Bytes().size(), 13u);
}

TEST_F(ByteLineEditTest, BytesRoundTripIncludingLongProgrammaticTexts) {
    const std::string cases[] = {
        "", "#FF8000", "\x82\xa0\x83\x41\xb1",
        "0123456789ABCDEFGHIJ", // 20 bytes: a programmatic set is not cut
        "\x8a\xbf\x8e\x9a\x8a\xbf\x8e\x9a\x8a\xbf\x8e\x9a\x8a\xbf\x8e\x9a"};
    for (const std::string& bytes : cases) {
        edit.SetBytes(bytes);
        EXPECT_EQ(edit.Bytes(), bytes);
    }
}

TEST_F(ByteLineEditTest, AnOverlongTextCanStillBeShortened) {
    edit.SetBytes("0123456789ABCDEFGHIJ");
    edit.setCursorPosition(20);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.Bytes(), "0123456789ABCDEFGHI");
    // Typing into it still adds nothing.
    Type(&edit, "x");
    EXPECT_EQ(edit.Bytes(), "0123456789ABCDEFGHI");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Bytes(), "");
}

TEST(ByteLineEditFocus, RedrawLeavesTheBoxWithoutFocusOrSelection) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new ByteLineEdit(&window);
    layout->addWidget(edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    edit->SetBytes("#FF8000");
    edit->selectAll();
    ASSERT_TRUE(edit->hasFocus());

    edit->Redraw();
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->Bytes(), "#FF8000");
}

} // namespace
} // namespace tintor
