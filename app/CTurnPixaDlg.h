#pragma once
#include <QDialog>
#include <QTimer>
#include <vector>

#include "app/WizardNavigation.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace turnpixa {

class CTurnPixaApp;
class CWizardPage;

// The main window: the five pages on tabs, the Back / Next / Finish buttons,
// help on F1 and the one-shot pre-render timer. It is the pages' navigation.
class CTurnPixaDlg : public QDialog, public WizardNavigation {
    Q_OBJECT
public:
    static constexpr int kPreRenderDelayMs = 1000;
    static constexpr int kSourcePollMs = 40;

    explicit CTurnPixaDlg(CTurnPixaApp& app, QWidget* parent = nullptr);
    // Activates the first page and posts MainWindowReady to it; called once
    // the application object holds the window.
    void initDialog();

    int pageCount() const { return static_cast<int>(pages_.size()); }
    int activeIndex() const;  // 0-based
    CWizardPage* page(int index) const;
    CWizardPage* activePage() const { return page(activeIndex()); }
    void setActiveIndex(int index);

    void setEnabledButtons(int mask) override;
    void goToPage(int n) override;
    void closeWizard() override { close(); }
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QTimer& preRenderTimer() { return timer_; }

    void back();
    void next();
    void finish();
    void help();

    // While a scanner is at work the page stays put and the window stays
    // open; a close asked for meanwhile happens when the work ends.
    void setAcquiring(bool on) override;
    bool acquiring() const { return acquiring_; }

    // Queued calls to whichever page is active when they are delivered.
    void postPhotoAdded(int number);
    void postRefreshCurrentFrame();

    // Sources are being decoded again in the background: they are taken in
    // as they arrive, with a progress line beside the buttons, and the
    // current frame is shown again when its own source is in.
    void watchSourceRescale();
    QLabel* sourceProgressText() const { return sourceText_; }
    QProgressBar* sourceProgressBar() const { return sourceBar_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void tabChanged(int index);
    void takeRescaledSources();
    void showSourceProgress();

    CTurnPixaApp& app_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    std::vector<CWizardPage*> pages_;  // owned by the tab widget
    int lastActive_ = -1;
    bool inPreRender_ = false;
    bool acquiring_ = false;
    bool closeAfterAcquiring_ = false;
    int buttonsBeforeAcquiring_ = 0;
    QTimer timer_;
    QLabel* sourceText_ = nullptr;
    QProgressBar* sourceBar_ = nullptr;
    QTimer sourceTimer_;
};

}  // namespace turnpixa
