#include "CTurnPixaApp.h"

#include <QCoreApplication>

#include "CTurnPixaDlg.h"
#include "project/SettingsFile.h"

namespace turnpixa {

CTurnPixaApp::CTurnPixaApp(QString programFolder) : programFolder_(std::move(programFolder)) {
    project_.setHost(this);
}

CTurnPixaApp::~CTurnPixaApp() {
    // The pages refer to the project: they go first.
    window_.reset();
    project_.setHost(nullptr);
}

bool CTurnPixaApp::initInstance() {
    // A missing or unreadable file leaves the defaults.
    SettingsFile::load(settingsPathFor(programFolder_.toStdString()), uploadSettings_);
    // A missing logo only leaves the frames without it.
    if (logo_.load()) project_.setSpinLogo(&logo_);
    window_ = std::make_unique<CTurnPixaDlg>(*this);
    window_->initDialog();
    return true;
}

int CTurnPixaApp::run() {
    if (!window_ && !initInstance()) return 1;
    window_->showMaximized();
    const int result = window_->exec();
    exitInstance();
    return result;
}

void CTurnPixaApp::exitInstance() {
    // Nothing is reported when the file cannot be written: the program is
    // on its way out and the old file stays whole.
    SettingsFile::save(settingsPathFor(programFolder_.toStdString()), uploadSettings_);
}

void CTurnPixaApp::setEnabledButtons(int mask) {
    if (window_) window_->setEnabledButtons(mask);
}

void CTurnPixaApp::goToPage(int n) {
    if (window_) window_->goToPage(n);
}

void CTurnPixaApp::restartPreRenderTimer() {
    if (window_) window_->preRenderTimer().start();
}

void CTurnPixaApp::processPendingEvents() {
    QCoreApplication::processEvents();
}

void CTurnPixaApp::postPhotoAdded(int number, Photo* /*photo*/) {
    // The page looks the photo up by number when the call arrives: it may
    // have been removed meanwhile.
    if (window_) window_->postPhotoAdded(number);
}

void CTurnPixaApp::sourcesRescaling() {
    if (window_) window_->watchSourceRescale();
}

void CTurnPixaApp::postRefreshCurrentFrame() {
    if (window_) window_->postRefreshCurrentFrame();
}

}  // namespace turnpixa
