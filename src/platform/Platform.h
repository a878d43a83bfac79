// The services the windows need from the desktop: modal boxes and dialogs, clipboard, help,
// browser, screen and pointer, and the stay-on-top band. One real implementation on Qt
// (QtPlatform) and one scripted implementation for tests (ScriptedPlatform).
#pragma once

#include "colour/ColorValue.h"
#include "platform/ScreenSources.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tintor {

inline constexpr const char* ApplicationTitle = "TINTOR 1.22v";

// Message box flags and answers, as the handlers name them.
inline constexpr int MB_OKCANCEL_EXCLAMATION = 0x31;
inline constexpr int MB_YESNO_EXCLAMATION = 0x34;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Help viewer commands.
inline constexpr int HELP_CONTEXT = 1;
inline constexpr int HELP_FINDER = 11;

class Platform {
public:
    virtual ~Platform() = default;

    // Plain message: text, one OK button, the application title as caption.
    virtual void ShowMessage(const QString& text) = 0;
    // Message box with caption, text and flags (0x31 OK/Cancel, 0x34 Yes/No); returns the answer.
    virtual int MessageBox(const QString& text, const QString& caption, int flags) = 0;
    // Error box: the message (with "." appended where its last byte sorts after "."), the
    // application title as caption, an error icon and an OK button.
    virtual void ShowError(const QString& message) = 0;

    // The shared colour chooser CD: opens at the colour it returned last (black at first) and
    // keeps its sixteen custom colours for the run. Returns the chosen colour, or nothing.
    virtual std::optional<TColor> ChooseColor(QWidget* parent) = 0;

    // File dialogs. filter is "description|pattern"; the dialog adds defaultExt to a typed name
    // without one. fileName is what the dialog offers and, after OK, the chosen path.
    virtual bool OpenFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                                QString& fileName) = 0;
    virtual bool SaveFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                                QString& fileName) = 0;

    // Clipboard as plain text; nothing when it holds no text.
    virtual void SetClipboardText(const QString& text) = 0;
    virtual std::optional<QString> ClipboardText() = 0;

    // Help viewer: command 11 shows the contents, command 1 the topic with context number data.
    virtual void WinHelp(const QString& helpFile, int command, int data) = 0;
    // Opens an address in the user's browser.
    virtual void ShellOpen(const QString& address) = 0;

    // Takes the application's stay-on-top windows out of the top-most band, and back.
    virtual void NormalizeTopMosts() = 0;
    virtual void RestoreTopMosts() = 0;
    // Lowers them for as long as the help viewer stays open; they return when it closes.
    virtual void NormalizeTopMostsWhileHelpShows() { NormalizeTopMosts(); }
    // Makes a top-level window stay on top or not, while it keeps its place and visibility.
    virtual void SetStayOnTop(QWidget* window, bool onTop) = 0;

    virtual QSize ScreenSize() = 0;
    virtual QPoint CursorPos() = 0;
    // The directory of the running program, with its trailing separator.
    virtual std::string ExeDir() = 0;
    // Where System.tri lives (full path).
    virtual std::string SettingsPath() = 0;
    // Minimise the whole application.
    virtual void MinimizeApp() = 0;

    // The screen colour picker's sources. GrabScreens freezes every screen at its device
    // pixels; it returns nothing where the screen cannot be read (a Wayland session).
    virtual std::vector<ScreenShot> GrabScreens() = 0;
    // Runs the desktop portal's colour picker and waits for its answer.
    virtual PortalAnswer PortalPickColor() = 0;
};

// Runs a handler; an error escaping it is shown in the error box and the program goes on.
void Guarded(Platform& platform, const std::function<void()>& handler);

// The error box text for an error: its message, "." appended when the last byte sorts after ".".
QString ErrorBoxText(const std::exception& error);

} // namespace tintor
