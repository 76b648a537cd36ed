#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "app/HelpOpener.h"
#include "net/UpdateCheck.h"

class QWidget;

namespace turnpixa {

struct UploadSettings;

// The update check of the first page: the automatic check at start-up, the
// "Updates..." button, the question, the offer and the download. All on the
// user-interface thread; the fetch runs beside it while events are processed,
// and only one check or download runs at a time.
class CUpdateCheck {
    Q_DECLARE_TR_FUNCTIONS(turnpixa::CUpdateCheck)

public:
    struct Hooks {
        std::function<void(const QString&)> setLabel;  // the "Updates..." button's text
        std::function<void()> closeProgram;            // the installer takes over
    };

    CUpdateCheck(UploadSettings& settings, HelpOpener help, QWidget* parent, Hooks hooks);

    // The build's own version ("SpecialBuild").
    static double currentVersion();

    void automaticCheck();
    // The "Updates..." button.
    void manualCheck();
    // The "Check for Updates" dialog and what follows; true when the program
    // is closing for the update, or after "OK" with the box unticked.
    bool questionFlow();
    // The "New TurnPixa Version Available" dialog; true when the program
    // is closing for the update.
    bool offer();

    double latestKnown() const { return latest_; }
    bool busy() const { return busy_; }
    // Where the installer goes (the desktop by default) and how the
    // transfers are made (tests trust their own server).
    void setDesktopFolder(const QString& folder) { desktop_ = folder; }
    DownloadOptions& downloadOptions() { return options_; }

private:
    double fetch();
    void setLabel(const QString& text);
    bool downloadAndStart(const std::function<bool(int)>& progress);

    UploadSettings& settings_;
    HelpOpener help_;
    QWidget* parent_;
    Hooks hooks_;
    double latest_ = -1;
    bool busy_ = false;
    bool closing_ = false;  // the installer runs: nothing more is offered
    QString desktop_;
    DownloadOptions options_;
};

}  // namespace turnpixa
