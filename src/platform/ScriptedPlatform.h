// A Platform for tests: records every call in order and answers from a script.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace tintor {

class ScriptedPlatform : public Platform {
public:
    // Every call, in order, as one readable line, e.g. "ShowMessage: Success!",
    // "MessageBox[0x31] TINTOR  [ Default All ]: <text>", "ShowError: <text>",
    // "ChooseColor", "OpenFileDialog[<filter>|<ext>]", "SaveFileDialog[...]",
    // "SetClipboardText: <text>", "ClipboardText", "WinHelp[<file>] <command> <data>",
    // "ShellOpen: <address>", "NormalizeTopMosts", "RestoreTopMosts",
    // "SetStayOnTop: <objectName> 1|0", "MinimizeApp", "GrabScreens", "PortalPickColor".
    std::vector<std::string> calls;

    // Scripted answers, consumed front first. When a queue is empty: chooser cancels,
    // file dialogs cancel, message boxes answer IDCANCEL / IDNO.
    std::deque<std::optional<TColor>> colorAnswers;
    std::deque<std::optional<QString>> fileAnswers; // nothing = cancel
    std::deque<int> messageBoxAnswers;
    // The screens GrabScreens returns (none: the screen cannot be read), and the portal's
    // answers (when empty: no portal).
    std::vector<ScreenShot> screenShots;
    std::deque<PortalAnswer> portalAnswers;

    // State a test may set or read.
    std::optional<QString> clipboard;
    QSize screen{1024, 768};
    QPoint cursor{100, 100};
    std::string exeDir = "/tmp/";
    std::string settingsPath = "/tmp/System.tri";
    // Called at the moment each box is shown, so a test can observe the window then.
    std::function<void(const std::string& call)> onBox;

    void ShowMessage(const QString& text) override;
    int MessageBox(const QString& text, const QString& caption, int flags) override;
    void ShowError(const QString& message) override;
    std::optional<TColor> ChooseColor(QWidget* parent) override;
    bool OpenFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                        QString& fileName) override;
    bool SaveFileDialog(QWidget* parent, const QString& filter, const QString& defaultExt,
                        QString& fileName) override;
    void SetClipboardText(const QString& text) override;
    std::optional<QString> ClipboardText() override;
    void WinHelp(const QString& helpFile, int command, int data) override;
    void ShellOpen(const QString& address) override;
    void NormalizeTopMosts() override;
    void RestoreTopMosts() override;
    void SetStayOnTop(QWidget* window, bool onTop) override;
    QSize ScreenSize() override { return screen; }
    QPoint CursorPos() override { return cursor; }
    std::string ExeDir() override { return exeDir; }
    std::string SettingsPath() override { return settingsPath; }
    void MinimizeApp() override;
    std::vector<ScreenShot> GrabScreens() override;
    PortalAnswer PortalPickColor() override;

    // The recorded calls that start with prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

private:
    void Record(std::string call);
};

} // namespace tintor
