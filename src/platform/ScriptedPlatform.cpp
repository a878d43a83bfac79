// Scripted platform for tests: records calls and replays programmed answers.
#include "platform/ScriptedPlatform.h"

#include <QWidget>

namespace tintor {

namespace {
std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Takes the next scripted file answer into fileName; false for a cancel or an empty script.
bool PopFile(std::deque<std::optional<QString>>& queue, QString& fileName) {
    if (queue.empty()) return false;
    const bool confirmed = queue.front().has_value();
    if (confirmed) fileName = queue.front().value();
    queue.pop_front();
    return confirmed;
}
} // namespace

void ScriptedPlatform::Record(std::string call) {
    calls.push_back(call);
    if (onBox) onBox(call);
}

void ScriptedPlatform::ShowMessage(const QString& text) {
    Record("ShowMessage: " + Utf8(text));
}

int ScriptedPlatform::MessageBox(const QString& text, const QString& caption, int flags) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", flags);
    Record("MessageBox[" + std::string(hex) + "] " + Utf8(caption) + ": " + Utf8(text));
    if (messageBoxAnswers.empty()) return flags == MB_YESNO_EXCLAMATION ? IDNO : IDCANCEL;
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::ShowError(const QString& message) {
    Record("ShowError: " + Utf8(message));
}

std::optional<TColor> ScriptedPlatform::ChooseColor(QWidget*) {
    Record("ChooseColor");
    if (colorAnswers.empty()) return std::nullopt;
    const std::optional<TColor> answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

bool ScriptedPlatform::OpenFileDialog(QWidget*, const QString& filter, const QString& defaultExt,
                                      QString& fileName) {
    Record("OpenFileDialog[" + Utf8(filter) + "|" + Utf8(defaultExt) + "] " + Utf8(fileName));
    return PopFile(fileAnswers, fileName);
}

bool ScriptedPlatform::SaveFileDialog(QWidget*, const QString& filter, const QString& defaultExt,
                                      QString& fileName) {
    Record("SaveFileDialog[" + Utf8(filter) + "|" + Utf8(defaultExt) + "] " + Utf8(fileName));
    if (!PopFile(fileAnswers, fileName)) return false;
    // Like the real dialog: a typed name without an extension gets the default one.
    const QString base = fileName.section('/', -1);
    if (!defaultExt.isEmpty() && !base.contains('.')) fileName += "." + defaultExt;
    return true;
}

void ScriptedPlatform::SetClipboardText(const QString& text) {
    Record("SetClipboardText: " + Utf8(text));
    clipboard = text;
}

std::optional<QString> ScriptedPlatform::ClipboardText() {
    Record("ClipboardText");
    return clipboard;
}

void ScriptedPlatform::WinHelp(const QString& helpFile, int command, int data) {
    Record("WinHelp[" + Utf8(helpFile) + "] " + std::to_string(command) + " " +
           std::to_string(data));
}

void ScriptedPlatform::ShellOpen(const QString& address) {
    Record("ShellOpen: " + Utf8(address));
}
void ScriptedPlatform::NormalizeTopMosts() {
    Record("NormalizeTopMosts");
}
void ScriptedPlatform::RestoreTopMosts() {
    Record("RestoreTopMosts");
}

void ScriptedPlatform::SetStayOnTop(QWidget* window, bool onTop) {
    Record("SetStayOnTop: " + Utf8(window->objectName()) + (onTop ? " 1" : " 0"));
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) window->show();
}

void ScriptedPlatform::MinimizeApp() {
    Record("MinimizeApp");
}

std::vector<ScreenShot> ScriptedPlatform::GrabScreens() {
    Record("GrabScreens");
    return screenShots;
}

PortalAnswer ScriptedPlatform::PortalPickColor() {
    Record("PortalPickColor");
    if (portalAnswers.empty()) return {PortalAnswer::Failed, 0, QStringLiteral("no portal")};
    const PortalAnswer answer = portalAnswers.front();
    portalAnswers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedPlatform::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& call : calls)
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
}

} // namespace tintor
