// The help viewer window.
#include "platform/HelpViewer.h"

#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tintor {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    setWindowTitle(QString::fromUtf8(ApplicationTitle) + QStringLiteral(" ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    resize(560, 480);
    // Open in the middle of the screen; a window manager may place it otherwise.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void HelpViewer::Show(const QString& helpFile, int command, int data) {
    // Read the file unless it is the one already shown; after a failure, try again.
    if (loadedFile_.isEmpty() || helpFile != loadedFile_) {
        QFile file(helpFile);
        if (file.open(QIODevice::ReadOnly)) {
            browser_->setHtml(QString::fromUtf8(file.readAll()));
            browser_->document()->setMetaInformation(QTextDocument::DocumentUrl,
                                                     QUrl::fromLocalFile(helpFile).toString());
            loadedFile_ = helpFile;
        } else {
            browser_->setHtml(QStringLiteral("<h2>ヘルプファイルを開けません</h2><p>%1</p>"
                                             "<p>ヘルプファイル TintHelp.hlp が見つからないか、"
                                             "読み込めません。</p>")
                                  .arg(helpFile.toHtmlEscaped()));
            loadedFile_.clear();
        }
    }
    anchor_ = command == 11 ? QStringLiteral("contents") : QString::number(data);
    if (!loadedFile_.isEmpty()) browser_->scrollToAnchor(anchor_);
    show();
    raise();
    activateWindow();
}

void HelpViewer::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit hidden();
}

} // namespace tintor
