// What the real platform sets up in Qt: no settings file of Qt's own, read or written; Qt's
// texts in Japanese whatever the locale; message boxes wide enough for their caption; the help
// viewer's keys.
#include "platform/HelpViewer.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace tintor {
namespace {

// Every file below dir with its bytes.
std::map<QString, QByteArray> Files(const QString& dir) {
    std::map<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) files[path] = file.readAll();
    }
    return files;
}

// Ends the next modal dialog once it shows, with accept or reject.
void AnswerNextDialog(bool accept, const std::function<void(QWidget*)>& before = {}) {
    QTimer::singleShot(0, [accept, before] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (before) before(dialog);
        accept ? dialog->accept() : dialog->reject();
    });
}

TEST(QtPlatformSetup, QtsOwnSettingsFileIsNeitherReadNorWritten) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // A custom colour a Qt program left there before.
    {
        QFile conf(config.filePath("QtProject.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[Qt]\ncustomColors\\0=4279382102\n");
    }
    const auto before = Files(config.path());

    {
        QtPlatform platform;
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::white));
        AnswerNextDialog(true, [](QWidget*) { QColorDialog::setCustomColor(3, Qt::red); });
        EXPECT_TRUE(platform.ChooseColor(nullptr).has_value());
        QString name;
        AnswerNextDialog(false);
        EXPECT_FALSE(platform.OpenFileDialog(nullptr, "Text|*.txt", "txt", name));
        AnswerNextDialog(false);
        EXPECT_FALSE(platform.SaveFileDialog(nullptr, "Text|*.txt", "txt", name));
    }
    EXPECT_EQ(Files(config.path()), before);
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(QtPlatformSetup, QtsOwnTextsAreJapaneseWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QtPlatform platform;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QString::fromUtf8("キャンセル"));
    QMessageBox box(QMessageBox::Warning, "t", "x", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString::fromUtf8("いいえ(N)"));
    QColorDialog chooser;
    EXPECT_NE(chooser.windowTitle(), "Select Color");
}

TEST(QtPlatformSetup, AShortMessageBoxKeepsItsCaptionWhole) {
    QtPlatform platform;
    int width = 0;
    AnswerNextDialog(true, [&](QWidget* box) { width = box->width(); });
    platform.ShowMessage(QString::fromUtf8("　　？？？"));
    QFont title = QApplication::font();
    title.setBold(true);
    const int caption = QFontMetrics(title).horizontalAdvance(QString::fromUtf8(ApplicationTitle));
    // Room for the caption and, beside it, the window icon and three title bar buttons.
    EXPECT_GE(width, caption + 4 * QFontMetrics(title).height());
}

TEST(QtPlatformSetup, HelpViewerKeysGoBackForwardAndClose) {
    QTemporaryDir dir;
    auto page = [&](const char* name, const char* link) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<html><body><p>") + name + "</p><a href=\"" + link +
                   "\">next</a></body></html>");
        return dir.filePath(name);
    };
    const QString first = page("a.html", "b.html");
    const QString second = page("b.html", "a.html");
    HelpViewer viewer;
    viewer.Show(first, HELP_FINDER, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    QTextBrowser* browser = viewer.Browser();
    browser->setSource(QUrl::fromLocalFile(first));
    browser->setSource(QUrl::fromLocalFile(second));
    ASSERT_TRUE(browser->isBackwardAvailable());

    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const QString& shown;
    } steps[] = {
        {"Alt+Left", Qt::Key_Left, Qt::AltModifier, first},
        {"Alt+Right", Qt::Key_Right, Qt::AltModifier, second},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, first},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        QTest::keyClick(browser, step.key, step.modifiers);
        EXPECT_EQ(browser->source(), QUrl::fromLocalFile(step.shown));
    }
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

} // namespace
} // namespace tintor
