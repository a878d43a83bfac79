// The help viewer: a missing file gives a clear message, topics are found by context number.
#include "platform/HelpViewer.h"
#include "platform/Platform.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace tintor {
namespace {

const QString CannotOpen = QString::fromUtf8("ヘルプファイルを開けません");

class HelpViewerTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    HelpViewer viewer;

    // A help file with the contents at the top and topic 6 far below it.
    QString WriteHelp() {
        QString html = QString::fromUtf8("<html><body><h1><a name=\"contents\">目次</a></h1>");
        for (int i = 0; i < 200; ++i)
            html += "<p>line " + QString::number(i) + "</p>";
        html += QString::fromUtf8("<h2><a name=\"6\">カラーピッカー</a></h2><p>topic six</p>");
        html += "</body></html>";
        const QString path = dir.filePath("TintHelp.hlp");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html.toUtf8());
        return path;
    }
};

TEST_F(HelpViewerTest, AMissingFileShowsAClearMessage) {
    for (const QString& path : {dir.filePath("missing.hlp"), QString()}) {
        HelpViewer fresh;
        fresh.Show(path, HELP_CONTEXT, 6);
        EXPECT_TRUE(fresh.Browser()->toPlainText().contains(CannotOpen)) << path.toStdString();
        EXPECT_TRUE(fresh.isVisible());
    }
}

TEST_F(HelpViewerTest, ShowsTheTopicOfAContextNumberAndTheContents) {
    const QString path = WriteHelp();
    viewer.Show(path, HELP_CONTEXT, 6);
    EXPECT_EQ(viewer.CurrentAnchor(), "6");
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains(QString::fromUtf8("カラーピッカー")));
    EXPECT_FALSE(viewer.Browser()->toPlainText().contains(CannotOpen));
    QScrollBar* bar = viewer.Browser()->verticalScrollBar();
    const int topic = bar->value();
    EXPECT_GT(topic, 100);

    viewer.Show(path, HELP_FINDER, 0);
    EXPECT_EQ(viewer.CurrentAnchor(), "contents");
    EXPECT_LT(bar->value(), 20);
}

TEST_F(HelpViewerTest, AFileThatAppearsLaterIsRead) {
    viewer.Show(dir.filePath("TintHelp.hlp"), HELP_FINDER, 0);
    ASSERT_TRUE(viewer.Browser()->toPlainText().contains(CannotOpen));
    const QString path = WriteHelp();
    viewer.Show(path, HELP_CONTEXT, 6);
    EXPECT_FALSE(viewer.Browser()->toPlainText().contains(CannotOpen));
    EXPECT_EQ(viewer.CurrentAnchor(), "6");
}

} // namespace
} // namespace tintor
