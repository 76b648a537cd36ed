#pragma once
#include <QString>
#include <memory>

#include "app/HelpOpener.h"
#include "process/SpinLogo.h"
#include "project/Project.h"
#include "project/ProjectHost.h"
#include "project/UploadSettings.h"

namespace turnpixa {

class CTurnPixaDlg;

// The application object: owns the project, the spin logo pictures, the
// persistent settings and the main window, and answers the project's host
// calls with the window's timer, Qt's event processing and queued calls.
class CTurnPixaApp : public ProjectHost {
public:
    // programFolder holds the help folder and the settings file.
    explicit CTurnPixaApp(QString programFolder);
    ~CTurnPixaApp() override;
    CTurnPixaApp(const CTurnPixaApp&) = delete;
    CTurnPixaApp& operator=(const CTurnPixaApp&) = delete;

    // Reads the settings file, loads the logo and builds the main window.
    bool initInstance();
    // Shows the main window maximised and runs it; writes the settings on
    // the way out. Returns the window's result.
    int run();
    // Writes the settings file (also done by run()).
    void exitInstance();

    Project& project() { return project_; }
    const SpinLogo& spinLogo() const { return logo_; }
    UploadSettings& uploadSettings() { return uploadSettings_; }
    CTurnPixaDlg* mainWindow() { return window_.get(); }
    const QString& programFolder() const { return programFolder_; }
    HelpOpener help() const { return HelpOpener(programFolder_); }

    // Bit 0 "<< Back", bit 1 "Next >>", bit 2 "Finish".
    void setEnabledButtons(int mask);
    // 1-based; other values do nothing.
    void goToPage(int n);

    void restartPreRenderTimer() override;
    void processPendingEvents() override;
    void postPhotoAdded(int number, Photo* photo) override;
    void postRefreshCurrentFrame() override;
    void sourcesRescaling() override;

private:
    QString programFolder_;
    SpinLogo logo_;
    UploadSettings uploadSettings_;
    Project project_;
    std::unique_ptr<CTurnPixaDlg> window_;
};

}  // namespace turnpixa
