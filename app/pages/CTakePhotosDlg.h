#pragma once
#include <QRect>
#include <memory>

#include "CWizardPage.h"
#include "app/HelpOpener.h"
#include "image/RasterImage.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace turnpixa {

class CUpdateCheck;
struct UploadSettings;

// Where the first page's controls go for a page of w x h, given the size of
// the large buttons and the picture's position; the text starts level with
// the picture.
struct TakePhotosLayout {
    QRect group, picture, text, print, help, start, updates;
};
TakePhotosLayout takePhotosLayout(int w, int h, QSize button, QPoint picturePos);

// Page "Step 1 : Take Photos": how to take the photos, the turntable pad,
// the way on to loading, and the update check.
class CTakePhotosDlg : public CWizardPage {
    Q_OBJECT
public:
    static const QString kInstructions;

    // The settings (which keep the update choice) must outlive the page.
    CTakePhotosDlg(Project& project, WizardNavigation& navigation, UploadSettings& uploadSettings,
                   HelpOpener helpOpener, QWidget* parent = nullptr);
    ~CTakePhotosDlg() override;
    void onSetActive() override;
    void mainWindowReady() override;

    QLabel* picture() const { return picture_; }
    QLabel* instructions() const { return text_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* updatesButton() const { return updates_; }
    CUpdateCheck& updateCheck() { return *updateCheck_; }
    // The picture's top-left corner: 2 mx in, and below the group's title.
    QPoint picturePosition() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void showPicture();
    void printPad();

    HelpOpener helpOpener_;
    RasterImage bitmap_;  // the picture at its own size
    bool activated_ = false;
    bool checkedAtStart_ = false;
    std::unique_ptr<CUpdateCheck> updateCheck_;
    QGroupBox* group_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* updates_ = nullptr;
};

}  // namespace turnpixa
