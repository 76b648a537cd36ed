#pragma once
#include <QDialog>
#include <functional>

#include "app/HelpOpener.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace turnpixa {

// "Check for Updates": may the program look for updates by itself?
// Result: Accepted for "OK", Rejected for "Cancel", kCheckNow.
class CCheckUpdatesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCheckNow = 2;
    CCheckUpdatesDlg(bool ticked, HelpOpener help, QWidget* parent = nullptr);
    bool ticked() const;
    QCheckBox* box() const { return box_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* checkNowButton() const { return checkNow_; }

private:
    QCheckBox* box_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* checkNow_ = nullptr;
};

// "Up To Date": this build is the newest.
class CUpToDateDlg : public QDialog {
    Q_OBJECT
public:
    CUpToDateDlg(double current, QWidget* parent = nullptr);
    QString text() const;

private:
    QLabel* text_ = nullptr;
};

// "New TurnPixa Version Available": offers the download; "Yes" runs it in
// place, with the progress bar, through the function given. Result:
// Accepted when the installer is ready and started, kOptions, or Rejected.
class CUpdateOfferDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOptions = 3;
    // download(progress) runs the transfer; progress(percent) with -1 for
    // unknown returns false once the user asked to stop. Returns true when
    // the dialog may close with OK.
    using Download = std::function<bool(const std::function<bool(int percent)>& progress)>;

    CUpdateOfferDlg(double latest, HelpOpener help, Download download, QWidget* parent = nullptr);
    bool downloading() const { return downloading_; }
    QString firstLine() const;
    QPushButton* yesButton() const { return yes_; }
    QPushButton* notNowButton() const { return notNow_; }
    QPushButton* optionsButton() const { return options_; }
    QProgressBar* progressBar() const { return progress_; }

    // Closing while downloading means "Not now": the transfer stops.
    void reject() override;

private:
    void start();

    Download download_;
    bool downloading_ = false;
    bool stopAsked_ = false;
    QLabel* first_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* notNow_ = nullptr;
    QPushButton* options_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace turnpixa
