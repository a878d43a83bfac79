// TINTOR's program entry: the application, the main window, the saved colours window.
#include "cli/CommandLine.h"
#include "colorsave/ColorSaveUnit.h"
#include "main/MainUnit.h"
#include "platform/DisplayCheck.h"
#include "platform/FirstPaint.h"
#include "platform/Pictures.h"
#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    // A command-line call never loads the window system.
    if (tintor::IsCommandLineCall(argc, argv)) return tintor::RunCommandLine(argc, argv);

    // The window is placed and kept on top by absolute coordinates, which only X11 honours:
    // on a Wayland session run through XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Without a display Qt would abort with its own text: say in one line what is missing.
    if (const std::string missing = tintor::MissingDisplayMessage(argc, argv); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintor"));
    QApplication::setWindowIcon(tintor::ProgramIcon());
    // The main window ends the program itself, also while the saved colours window is open.
    app.setQuitOnLastWindowClosed(false);

    tintor::QtPlatform platform;

    // One copy per settings file: a second start brings the first to the front and ends.
    tintor::SingleInstance instance(QString::fromStdString(platform.SettingsPath()));
    if (!instance.Acquire()) return 0;

    tintor::TMainForm mainForm(platform);
    mainForm.Guard([&] { mainForm.FormCreate(); });
    mainForm.show();

    // The saved colours window is built hidden once the main window's first paint is on the
    // screen, so the main window appears without waiting for it.
    std::unique_ptr<tintor::TColorSaveForm> colorSaveForm;
    tintor::AfterFirstPaint(&mainForm, [&] {
        colorSaveForm = std::make_unique<tintor::TColorSaveForm>(mainForm, platform);
        mainForm.SetColorSaveForm(colorSaveForm.get());
        mainForm.Guard([&] { colorSaveForm->FormCreate(); });
    });

    instance.OnActivationRequest([&] {
        mainForm.showNormal();
        mainForm.raise();
        mainForm.activateWindow();
    });

    // Asked to end by a signal: close as the close button does, so the settings are stored.
    tintor::OnQuitSignals([&] { mainForm.close(); });

    // Log-off or shutdown: store the settings as a close would.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                     [&](QSessionManager&) { mainForm.FormCloseQuery(); });

    const int result = app.exec();
    mainForm.SetColorSaveForm(nullptr);
    return result;
}
