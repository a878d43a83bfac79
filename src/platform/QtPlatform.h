// The real platform on Qt Widgets.
#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QPointer>
#include <memory>

class QColorDialog;

namespace tintor {

class HelpViewer;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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
    void NormalizeTopMostsWhileHelpShows() override;
    void SetStayOnTop(QWidget* window, bool onTop) override;
    QSize ScreenSize() override;
    QPoint CursorPos() override;
    std::string ExeDir() override;
    std::string SettingsPath() override;
    void MinimizeApp() override;
    std::vector<ScreenShot> GrabScreens() override;
    PortalAnswer PortalPickColor() override;

private:
    TColor lastColor_ = 0x00000000;
    QPointer<HelpViewer> help_;
    QList<QPointer<QWidget>> lowered_;
    int lowerDepth_ = 0;
    bool helpHoldsLowering_ = false;
    std::string settingsPath_;
};

// Turns "description|pattern" into a Qt name filter.
QString QtNameFilter(const QString& filter);

} // namespace tintor
