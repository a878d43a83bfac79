// Message boxes, dialogs, clipboard, help and window services on Qt.
#include "platform/QtPlatform.h"

#include "platform/DesktopPortal.h"
#include "platform/HelpViewer.h"
#include "platform/InstallPaths.h"
#include "platform/QtSettingsOff.h"
#include "platform/QtTranslations.h"
#include "platform/ScreenGrab.h"
#include "platform/Widgets.h"
#include "platform/X11KeepAbove.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QWindow>

namespace tintor {

namespace {
QString Title() {
    return QString::fromUtf8(ApplicationTitle);
}

// A box with a short text would be narrower than its caption in the window manager's title bar,
// which then shows only its first letter: keep room for the caption, the window icon and the
// title bar's buttons.
void KeepCaptionWhole(QMessageBox& box) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height() + 24;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// Message boxes stand above the program's stay-on-top windows and are centred on the screen.
int RunBox(QMessageBox& box) {
    // Messages may carry file names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    KeepCaptionWhole(box);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    return box.exec();
}

void SetTopMost(QWidget* window, bool onTop) {
    if (window->testAttribute(Qt::WA_WState_Created) && window->windowHandle()) {
        // Change the native window's flag in place, so it stays where and as it is.
        QWindow* handle = window->windowHandle();
        Qt::WindowFlags flags = handle->flags();
        flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
        handle->setFlags(flags);
        window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
        if (onTop && window->isVisible()) window->raise();
        X11KeepAbove::Instance().SetAbove(window, onTop);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
}
} // namespace

QString QtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf('|');
    if (bar < 0) return filter;
    const QString description = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    if (description.contains('(')) return description;
    return description + " (" + pattern + ")";
}

QtPlatform::QtPlatform() {
    // All state is System.tri: Qt's own settings file is never read or written.
    KeepQtSettingsOff();
    // Every dialog in Japanese, as the program's own texts are.
    InstallQtJapanese();
    // The chooser's sixteen custom colours start white every run.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
}

QtPlatform::~QtPlatform() {
    delete help_;
}

void QtPlatform::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title(), text, QMessageBox::Ok);
    RunBox(box);
}

int QtPlatform::MessageBox(const QString& text, const QString& caption, int flags) {
    const bool yesNo = (flags & 0x0F) == 0x04;
    QMessageBox box(QMessageBox::Warning, caption, text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No)
                          : (QMessageBox::Ok | QMessageBox::Cancel));
    const int answer = RunBox(box);
    switch (answer) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return yesNo ? IDNO : IDCANCEL;
    }
}

void QtPlatform::ShowError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, Title(), message, QMessageBox::Ok);
    RunBox(box);
}

std::optional<TColor> QtPlatform::ChooseColor(QWidget* parent) {
    QColorDialog dialog(ToQColor(lastColor_), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    lastColor_ = FromQColor(dialog.selectedColor());
    return lastColor_;
}

namespace {
bool RunFileDialog(QWidget* parent, bool save, const QString& filter, const QString& defaultExt,
                   QString& fileName) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setNameFilter(QtNameFilter(filter));
    dialog.setDefaultSuffix(defaultExt);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // A typed name of a file that does not exist is accepted; the reader reports it.
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}
} // namespace

bool QtPlatform::OpenFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                                QString& fileName) {
    return RunFileDialog(parent, false, filter, defaultExt, fileName);
}

bool QtPlatform::SaveFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                                QString& fileName) {
    return RunFileDialog(parent, true, filter, defaultExt, fileName);
}

void QtPlatform::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

std::optional<QString> QtPlatform::ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText()) return std::nullopt;
    return data->text();
}

void QtPlatform::WinHelp(const QString& helpFile, int command, int data) {
    if (!help_) {
        help_ = new HelpViewer();
        QObject::connect(help_, &HelpViewer::hidden, [this] {
            if (!helpHoldsLowering_) return;
            helpHoldsLowering_ = false;
            RestoreTopMosts();
        });
    }
    // The viewer belongs to the window it was asked from (the main window, whose menus hold the
    // help items), so a task bar lists the program once.
    if (QWidget* active = QApplication::activeWindow(); active && active != help_) {
        QWindow* owner = active->windowHandle();
        while (owner && owner->transientParent())
            owner = owner->transientParent();
        help_->winId();
        if (owner && help_->windowHandle()) help_->windowHandle()->setTransientParent(owner);
    }
    help_->Show(helpFile, command, data);
}

void QtPlatform::NormalizeTopMostsWhileHelpShows() {
    if (!help_ || !help_->isVisible()) return NormalizeTopMosts();
    if (helpHoldsLowering_) return; // already lowered for this viewer
    helpHoldsLowering_ = true;
    NormalizeTopMosts();
}

void QtPlatform::ShellOpen(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void QtPlatform::NormalizeTopMosts() {
    if (lowerDepth_++ > 0) return;
    lowered_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
            !qobject_cast<QDialog*>(window) && window->windowType() != Qt::Popup) {
            lowered_.append(window);
            SetTopMost(window, false);
        }
    }
}

void QtPlatform::RestoreTopMosts() {
    if (lowerDepth_ == 0 || --lowerDepth_ > 0) return;
    for (const QPointer<QWidget>& window : lowered_)
        if (window) SetTopMost(window, true);
    lowered_.clear();
}

void QtPlatform::SetStayOnTop(QWidget* window, bool onTop) {
    SetTopMost(window, onTop);
}

QSize QtPlatform::ScreenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QPoint QtPlatform::CursorPos() {
    return QCursor::pos();
}

std::string QtPlatform::ExeDir() {
    return (QCoreApplication::applicationDirPath() + "/").toStdString();
}

std::string QtPlatform::SettingsPath() {
    if (settingsPath_.empty()) settingsPath_ = ResolveSettingsPath(ExeDir(), ConfigHome());
    return settingsPath_;
}

void QtPlatform::MinimizeApp() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() != Qt::Popup) window->showMinimized();
}

std::vector<ScreenShot> QtPlatform::GrabScreens() {
    return GrabAllScreens();
}

PortalAnswer QtPlatform::PortalPickColor() {
    return PickColorThroughPortal();
}

} // namespace tintor
