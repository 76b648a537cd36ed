#pragma once
#include <QString>
#include <QWidget>

namespace turnpixa {

class CTurnPixaApp;

// One page of the wizard. Pages change the project through the application
// object and hear back only through the queued notifications below.
class CWizardPage : public QWidget {
    Q_OBJECT
public:
    CWizardPage(CTurnPixaApp& app, QString caption, QString helpTopic, QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    const QString& helpTopic() const { return helpTopic_; }

    // The page becomes active / is left.
    virtual void onSetActive() = 0;
    virtual void onKillActive() {}
    // Finish pressed on this page: true lets the wizard end.
    virtual bool onWizardFinish() { return false; }

    // Notifications, delivered after the event that caused them.
    virtual void photoAdded(int number) { (void)number; }
    virtual void refreshCurrentFrame() {}
    virtual void mainWindowReady() {}

protected:
    CTurnPixaApp& app() { return app_; }

private:
    CTurnPixaApp& app_;
    QString caption_;
    QString helpTopic_;
};

}  // namespace turnpixa
