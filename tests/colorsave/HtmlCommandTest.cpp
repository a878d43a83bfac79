// The HTML test page command and its explanation, with a scripted save dialog.
#include "ColorSaveFormFixture.h"

#include "colorsave/HtmlTestPage.h"

#include <QDir>
#include <QTest>

namespace tintor::test {
namespace {

class HtmlCommand : public ColorSaveFormTest {
protected:
    void SetUp() override {
        // Every slot a different colour: slot n is the value n.
        for (int n = 1; n <= 12; ++n)
            settings[idx::SlotColor0 + n] = std::to_string(n);
        Start();
        platform.calls.clear();
    }
    static std::string Page(int firstSlot) {
        std::array<TColor, 4> colors{};
        for (int i = 0; i < 4; ++i)
            colors[i] = firstSlot + i;
        return JoinTextLines(BuildHtmlTestPage(colors));
    }
};

TEST_F(HtmlCommand, CancelWritesNothing) {
    main->SDFileName = "earlier.tud";
    form->Buttonhtml->click();
    EXPECT_EQ(platform.calls,
              std::vector<std::string>{
                  Utf8(U("SaveFileDialog[html ファイル(*.html)|*.html|html] earlier.tud"))});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"System.tri"});
    EXPECT_EQ(main->SDFileName, "earlier.tud");
}

TEST_F(HtmlCommand, TypedNameGetsHtmlAndThePageOfTheChosenGroup) {
    struct {
        int item;
        bool typed;
        int firstSlot;
    } cases[] = {{0, false, 1}, {1, false, 5}, {2, false, 9}, {2, true, 1}};
    int run = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(run);
        form->cb_html->setCurrentIndex(c.item);
        form->cb_html->activated(c.item);
        if (c.typed) QTest::keyClicks(form->cb_html->lineEdit(), "x");
        const QString typed = dir.path() + "/page" + QString::number(++run);
        platform.fileAnswers = {typed};
        form->Buttonhtml->click();
        EXPECT_EQ(ReadBytes((typed + ".html").toStdString()), Page(c.firstSlot));
        EXPECT_EQ(main->SDFileName, typed + ".html");
    }
    EXPECT_TRUE(platform.CallsStartingWith("ShowError").empty());
}

TEST_F(HtmlCommand, ExistingFileIsReplaced) {
    const QString path = dir.path() + "/old.html";
    { std::ofstream(path.toStdString()) << "older and longer content than nothing"; }
    platform.fileAnswers = {path};
    form->Buttonhtml->click();
    EXPECT_EQ(ReadBytes(path.toStdString()), Page(1));
}

TEST_F(HtmlCommand, UnwritablePathShowsTheCreateError) {
    const QString path = dir.path() + "/missing/page.html";
    platform.fileAnswers = {path};
    form->Buttonhtml->click();
    const auto errors = platform.CallsStartingWith("ShowError: ");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(Utf8(U("ファイル ") + path + U(" を作成できません"))),
              std::string::npos)
        << errors[0];
}

TEST_F(HtmlCommand, HintItemExplainsTheColoursBetweenLoweringAndRestoring) {
    form->N1->trigger();
    const std::string text =
        Utf8(U("ShowMessage: それぞれのグループを基準に html ファイルを作成します\r\n\r\n"
               "　　カラーボックス 1 が BGCOLR\r\n"
               "　　カラーボックス 2 が TEXT \r\n"
               "　　カラーボックス 3 が LINK \r\n"
               "　　カラーボックス 4 が VLINK \r\n\r\n"
               "に、それぞれ対応しています"));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"NormalizeTopMosts", text, "RestoreTopMosts"}));
}

} // namespace
} // namespace tintor::test
