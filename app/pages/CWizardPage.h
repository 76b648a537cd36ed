#pragma once
#include <QString>
#include <QWidget>

namespace turnpixa {

class Project;
class WizardNavigation;

// One page of the wizard. Pages change the project, ask the wizard round
// them only through its navigation, and hear back only through the queued
// notifications below. Project and navigation outlive the page.
class CWizardPage : public QWidget {
    Q_OBJECT
public:
    CWizardPage(Project& project, WizardNavigation& navigation, QString caption, QString helpTopic,
                QWidget* parent = nullptr);

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
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    WizardNavigation& navigation() { return navigation_; }

private:
    Project& project_;
    WizardNavigation& navigation_;
    QString caption_;
    QString helpTopic_;
};

}  // namespace turnpixa
