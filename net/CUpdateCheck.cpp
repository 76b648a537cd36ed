#include "CUpdateCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <future>

#include "app/DialogSeam.h"
#include "net/CUpdateDialogs.h"
#include "project/UploadSettings.h"

namespace turnpixa {

namespace {

// The button's labels, translated where they are shown.
const char* const kChecking = QT_TRANSLATE_NOOP("turnpixa::CUpdateCheck", "Checking for update...");
const char* const kAvailable = QT_TRANSLATE_NOOP("turnpixa::CUpdateCheck", "Update available...");
const char* const kUpToDate = QT_TRANSLATE_NOOP("turnpixa::CUpdateCheck", "You are up-to-date");
const char* const kUpdates = QT_TRANSLATE_NOOP("turnpixa::CUpdateCheck", "Updates...");

// Marks a check or download as running for the scope's length.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = was_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

CUpdateCheck::CUpdateCheck(UploadSettings& settings, HelpOpener help, QWidget* parent, Hooks hooks)
    : settings_(settings), help_(std::move(help)), parent_(parent), hooks_(std::move(hooks)) {}

double CUpdateCheck::currentVersion() {
    return parseVersionText(TURNPIXA_SPECIAL_BUILD).value_or(0.0);
}

void CUpdateCheck::setLabel(const QString& text) {
    if (hooks_.setLabel) hooks_.setLabel(text);
}

double CUpdateCheck::fetch() {
    // The window keeps painting while the fetch waits on the network.
    const DownloadOptions options = options_;
    auto pending = std::async(std::launch::async, [options] {
        return fetchLatestVersion(TURNPIXA_SPECIAL_BUILD, options);
    });
    while (pending.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const std::optional<double> latest = pending.get();
    if (!latest) return -1;
    latest_ = *latest;
    return latest_;
}

void CUpdateCheck::automaticCheck() {
    if (busy_ || closing_) return;
    if (settings_.allowAutoUpdates != 0 && settings_.allowAutoUpdates != 1) {
        questionFlow();
        return;
    }
    if (settings_.allowAutoUpdates == 0) return;
    BusyScope busy(busy_);
    setLabel(tr(kChecking));
    QCoreApplication::processEvents();
    const double latest = fetch();
    if (latest >= 0 && currentVersion() < latest) {
        offer();
    } else {
        setLabel(tr(latest >= 0 ? kUpToDate : kUpdates));
    }
}

void CUpdateCheck::manualCheck() {
    if (busy_ || closing_) return;
    BusyScope busy(busy_);
    if (latest_ > currentVersion()) {
        offer();
        return;
    }
    if (questionFlow() && !closing_ && latest_ > currentVersion()) offer();
}

bool CUpdateCheck::questionFlow() {
    BusyScope busy(busy_);
    CCheckUpdatesDlg dialog(settings_.allowAutoUpdates != 0, help_, parent_);
    const int result = DialogSeam::instance().runDialog(dialog);
    if (result != QDialog::Accepted && result != CCheckUpdatesDlg::kCheckNow) return false;
    settings_.allowAutoUpdates = dialog.ticked() ? 1 : 0;
    if (result == QDialog::Accepted && settings_.allowAutoUpdates == 0) return true;

    const double current = currentVersion();
    if (result == CCheckUpdatesDlg::kCheckNow || latest_ > current) {
        setLabel(tr(kChecking));
        const double latest = fetch();
        if (latest < 0 && result == CCheckUpdatesDlg::kCheckNow) {
            // Saying "up to date" here would be a guess.
            setLabel(tr(kUpdates));
            DialogSeam::instance().message(
                parent_, tr("TurnPixa could not check for updates.\n\nPlease check "
                            "your internet connection and try again later."));
            return false;
        }
        if (latest > current) return offer();
    }
    setLabel(tr(kUpToDate));
    CUpToDateDlg upToDate(current, parent_);
    DialogSeam::instance().runDialog(upToDate);
    return false;
}

bool CUpdateCheck::offer() {
    // The installer has been started: nothing more is offered.
    if (closing_) return true;
    BusyScope busy(busy_);
    setLabel(tr(kAvailable));
    QCoreApplication::processEvents();
    CUpdateOfferDlg dialog(
        latest_, help_,
        [this](const std::function<bool(int)>& progress) { return downloadAndStart(progress); },
        parent_);
    const int result = DialogSeam::instance().runDialog(dialog);
    if (result == QDialog::Accepted) {
        closing_ = true;
        if (hooks_.closeProgram) hooks_.closeProgram();
        return true;
    }
    if (result == CUpdateOfferDlg::kOptions) return questionFlow();
    return false;
}

bool CUpdateCheck::downloadAndStart(const std::function<bool(int)>& progress) {
    QString folder = desktop_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder);
    const DownloadResult r = downloadInstaller(
        installerAddress(), folder.toStdString(),
        [&progress](std::int64_t received, std::int64_t total) {
            return progress(progressPercent(received, total));
        },
        options_);
    if (r.cancelled) return false;
    if (!r.ok) {
        DialogSeam::instance().message(parent_, tr("The new version could not be downloaded.\n\n%1")
                                                    .arg(QString::fromStdString(r.reason)));
        return false;
    }
    const QString path = QString::fromStdString(r.path);
    if (!QProcess::startDetached(path, {}, folder)) {
        DialogSeam::instance().message(parent_,
                                       tr("The new version was downloaded to\n%1\nbut could not be "
                                          "started. Please start it from there.")
                                           .arg(path));
        return false;
    }
    return true;
}

}  // namespace turnpixa
