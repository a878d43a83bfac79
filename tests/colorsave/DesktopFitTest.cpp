// The saved colours window on a real desktop: slot names and captions shown whole, no control
// characters into a group name, typed combo text that selects no group, keys.
#include "colorsave/ColorSaveFormFixture.h"

#include "colorsave/HtmlTestPage.h"
#include "platform/FontFit.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

namespace tintor::test {
namespace {

using SaveWindowFit = ColorSaveFormTest;

TEST_F(SaveWindowFit, EveryNotationOfTheWidestValuesFitsTheNamePanels) {
    Start();
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        ColorPanel* name = form->ColorNameOf(n);
        ASSERT_EQ(name->width(), 73);
        const qreal inside = name->width() - 2; // inside the bevel
        const QFont font = name->font();
        EXPECT_LE(font.pixelSize(), 12);
        QStringList worst = WidestColourTexts(font);
        worst << "255,255,255"
              << "0x00808080"
              << "&HFFFFFF&" << U("漢字漢字漢字漢");
        for (const QString& text : worst) {
            const QRectF ink = QFontMetricsF(font).boundingRect(text);
            EXPECT_GE(ink.left(), 0) << text.toStdString();
            EXPECT_LE(QFontMetricsF(font).horizontalAdvance(text), inside) << text.toStdString();
            for (qreal scale : ScaleFactors())
                EXPECT_TRUE(TextsFit(font, {text}, inside, scale)) << text.toStdString() << scale;
        }
    }
}

TEST_F(SaveWindowFit, GroupNameCaptionsEndBeforeTheirFields) {
    Start();
    const auto labels = form->GroupBox2->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 3);
    for (QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        const int textRight =
            label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
        EXPECT_LT(textRight, form->NameEdit1->x());
        EXPECT_LE(label->geometry().right(), form->NameEdit1->x());
    }
}

// A NUL pasted into a group name used to be written into line 44 of System.tri, so the next
// start met a short file and its close emptied the entries after it.
TEST_F(SaveWindowFit, APastedNulNeverReachesTheSettingsFile) {
    Start();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Grp\0X", 5));
    form->NameEdit1->clear();
    form->NameEdit1->paste();
    EXPECT_EQ(form->NameEdit1->text(), "GrpX");
    form->ButtonSetting1->click();
    std::vector<std::string> lines = FileLines();
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[44], "GrpX");

    // The next start reads every line, and its close keeps them.
    TearDown();
    platform.calls.clear();
    main = std::make_unique<TMainForm>(platform);
    main->Guard([&] { main->FormCreate(); });
    form = std::make_unique<TColorSaveForm>(*main, platform);
    main->SetColorSaveForm(form.get());
    main->Guard([&] { form->FormCreate(); });
    EXPECT_TRUE(platform.CallsStartingWith("ShowError").empty());
    EXPECT_EQ(form->PageControl1->tabText(0), "GrpX");
    main->FormCloseQuery();
    lines = FileLines();
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[44], "GrpX");
    EXPECT_EQ(lines[45], "Group2");
    EXPECT_EQ(lines[46], "Group3");
    EXPECT_EQ(lines[47], "Normal");
}

TEST_F(SaveWindowFit, NoControlCharacterEntersAGroupName) {
    Start();
    const struct {
        const char* name;
        QString inserted;
        QString kept;
    } cases[] = {
        {"controls below 0x20",
         QString::fromUtf8("a\x01\x1f"
                           "b\tc\x1b",
                           7),
         "abc"},
        {"DEL", QString::fromUtf8("x\x7fy"), "xy"},
        {"line break ends the text", QString::fromUtf8("ab\ncd"), "ab"},
        {"full width kept", U("色\x02名"), U("色名")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form->NameEdit2->clear();
        form->NameEdit2->InsertLimited(c.inserted); // as a paste, a drop or an input method
        EXPECT_EQ(form->NameEdit2->text(), c.kept);
        // A key that carries a control character (Ctrl+A gives "\x01" on X11) types nothing.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
        QApplication::sendEvent(form->NameEdit2, &key);
        EXPECT_EQ(form->NameEdit2->text(), c.kept);
    }
}

TEST_F(SaveWindowFit, TypedComboTextBuildsTheFirstGroupsPage) {
    settings[idx::SlotColor0 + 1] = "$00112233";
    settings[idx::SlotColor0 + 9] = "$00445566";
    Start();
    EXPECT_EQ(form->cb_html->completer(), nullptr);
    for (const char* typed : {"Group3", "gro"}) {
        SCOPED_TRACE(typed);
        form->cb_html->setCurrentIndex(2);
        form->cb_html->lineEdit()->selectAll();
        QTest::keyClicks(form->cb_html->lineEdit(), typed);
        QTest::keyClick(form->cb_html->lineEdit(), Qt::Key_Return);
        const QString file = QString::fromStdString(Path(typed));
        platform.fileAnswers = {file};
        form->ButtonhtmlClick();
        std::array<TColor, 4> group1{};
        for (int i = 0; i < 4; ++i)
            group1[static_cast<std::size_t>(i)] = form->Swatch(i + 1)->Color();
        EXPECT_EQ(SplitTextLines(ReadBytes((file + ".html").toStdString())),
                  BuildHtmlTestPage(group1));
    }
}

TEST_F(SaveWindowFit, EscapeClosesAndTabReachesEveryButton) {
    Start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());

    form->show();
    for (FlatButton* button : {form->Save1, form->Set1, form->Copy1, form->FStyle1, form->FStyle2})
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->objectName().toStdString();
    // On the first page Tab goes Save, Set, Copy, then the slot rows.
    QStringList order;
    for (QWidget* w = form->Save1; order.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->window() == form.get()) order << w->objectName();
    EXPECT_EQ(order, (QStringList{"Save1", "Set1", "Copy1", "RB1", "Def1"}));
}

} // namespace
} // namespace tintor::test
