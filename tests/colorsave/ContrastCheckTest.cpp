// The contrast figures of the HTML page box follow the chosen group and its slots.
#include "colorsave/ColorSaveFormFixture.h"

#include "colorsave/ContrastView.h"

#include <QTest>

namespace tintor::test {
namespace {

class ContrastCheckTest : public ColorSaveFormTest {
protected:
    void SetUp() override {
        // Group 1: white background, #767676 text, red link, black visited link.
        settings[20] = "clWhite";
        settings[21] = "$00767676";
        settings[22] = "clRed";
        settings[23] = "clBlack";
        // Group 2: all white but a #777777 text; group 3 stays reset (white).
        settings[25] = "$00777777";
        Start();
        view = form->findChild<ContrastView*>("ContrastView");
        ASSERT_NE(view, nullptr);
    }
    std::string Figures() const {
        return Utf8(view->FigureText(0) + " | " + view->FigureText(1) + " | " +
                    view->FigureText(2));
    }
    ContrastView* view = nullptr;
};

TEST_F(ContrastCheckTest, ShowsTheChosenGroupAndFollowsTheCombo) {
    EXPECT_EQ(Figures(), "文字 4.54 AA | リンク 3.99 × | 訪問済 21.00 AAA");
    // The hint spells out both verdicts for the status line.
    EXPECT_EQ(Utf8(HintOf(form->findChild<QLabel*>("ContrastLink"))),
              "リンク色と背景色 3.99:1  AA 不適合  AAA 不適合");

    form->cb_html->setCurrentIndex(1);
    form->cb_html->activated(1);
    EXPECT_EQ(Figures(), "文字 4.47 × | リンク 1.00 × | 訪問済 1.00 ×");

    // Typed text leaves no item chosen: the page and the figures fall back to group 1.
    QTest::keyClicks(form->cb_html->lineEdit(), "x");
    EXPECT_EQ(Figures(), "文字 4.54 AA | リンク 3.99 × | 訪問済 21.00 AAA");
}

TEST_F(ContrastCheckTest, FollowsSaveAndDefaultOfTheSlots) {
    // Save black into slot 2 (the text colour of group 1).
    main->CurrentColor = clBlack;
    main->CopyEdit->SetBytes("#000000");
    form->RB(2)->setChecked(true);
    form->Save1Click(form->Save1);
    EXPECT_EQ(Utf8(view->FigureText(0)), "文字 21.00 AAA");

    form->Def1Click(form->Def(4));
    EXPECT_EQ(Utf8(view->FigureText(2)), "訪問済 1.00 ×");

    // A slot of another group changes nothing shown.
    form->Def1Click(form->Def(6));
    EXPECT_EQ(Figures(), "文字 21.00 AAA | リンク 3.99 × | 訪問済 1.00 ×");
}

} // namespace
} // namespace tintor::test
