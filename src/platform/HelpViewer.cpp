// The help viewer window.
#include "platform/HelpViewer.h"

#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tintor {

HelpViewer::HelpViewer(QWidget* parent)
    // A dialog-type window, the only kind X11 window managers take as belonging to another
    // window: transient for the window that asked for help, it is not listed in a task bar apart.
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    setWindowTitle(QString::fromUtf8(ApplicationTitle) + QStringLiteral(" ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    installEventFilter(this);
    browser_->installEventFilter(this);
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

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        close();
    } else if ((key->key() == Qt::Key_Left && modifiers == Qt::AltModifier) ||
               (key->key() == Qt::Key_Backspace && modifiers == Qt::NoModifier)) {
        browser_->backward();
    } else if (key->key() == Qt::Key_Right && modifiers == Qt::AltModifier) {
        browser_->forward();
    } else {
        return QWidget::eventFilter(watched, event);
    }
    return true;
}

void HelpViewer::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit hidden();
}

} // namespace tintor
