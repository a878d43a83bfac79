// The command-line picker: no main window, no single-copy lock, nothing saved.
#include "picker/PickCommand.h"

#include "colour/IntegerText.h"
#include "picker/ScreenPicker.h"
#include "platform/InstallPaths.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <cstdio>
#include <exception>

namespace tintor {

int StoredDisplayFormat(const std::string& exeDir, const std::string& configHome) {
    const std::string path = SettingsPathToRead(exeDir, configHome);
    SettingsArray settings = FirstSettings();
    if (!path.empty()) {
        try {
            LoadSettingsFile(path, settings);
        } catch (const std::exception&) {
            // A short or unreadable file: entry 0 is what could be read, else the first
            // settings' format.
        }
    }
    return TryStrToInt(settings[idx::Format]).value_or(0);
}

int RunPickCommand(int& argc, char** argv) {
    // As the windowed program: through XWayland on a Wayland session, where the portal picks.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintor"));
    app.setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    const int format = StoredDisplayFormat(platform.ExeDir(), ConfigHome());
    const PickOutcome outcome = RunScreenPicker(platform, format);
    switch (outcome.kind) {
    case PickOutcome::Picked:
        std::printf("%s\n", PickerCodeText(format, outcome.color).toUtf8().constData());
        return 0;
    case PickOutcome::Cancelled:
        return 1;
    case PickOutcome::Unavailable:
        break;
    }
    QString message = outcome.message;
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "tintor: %s\n", message.toUtf8().constData());
    return 2;
}

} // namespace tintor
