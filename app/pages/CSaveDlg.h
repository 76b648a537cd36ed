#pragma once
#include <QImage>
#include <QTimer>
#include <memory>
#include <string>

#include "CWizardPage.h"
#include "app/HelpOpener.h"
#include "image/FrameFormat.h"
#include "image/RasterImage.h"
#include "net/Uploader.h"
#include "web/CFramePackDlg.h"
#include "web/Snippets.h"
#include "web/SpinAnimation.h"

class QCheckBox;
class QLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace turnpixa {

class OutputSetWriter;
class Project;
struct UploadSettings;

// Step 5: writes the output set, previews it spinning, and opens it in the
// browser. The page keeps its format, auto-spin and file choices for the run.
class CSaveDlg : public CWizardPage {
    Q_OBJECT
public:
    // The side panel's width; wider only where a language's texts need it.
    static constexpr int kPanelWidth = 210;

    // The settings and help serve the upload and clipboard dialogs; the
    // settings must outlive the page.
    CSaveDlg(Project& project, WizardNavigation& navigation, UploadSettings& uploadSettings,
             HelpOpener helpOpener, QWidget* parent = nullptr);
    ~CSaveDlg() override;

    void onSetActive() override;
    void onKillActive() override;
    bool onWizardFinish() override;

    // Asks for the page file and writes the set. True when everything was
    // written; a failure is shown to the user naming the file.
    bool saveAs();
    void previewInBrowser();
    // "Upload to Web": the upload dialog for the last saved set.
    void upload();
    // What the last successful save wrote; the upload sends exactly that.
    const UploadSet& savedSet() const { return savedSet_; }
    // The "Copy To Clipboard" dialog, about the last set saved.
    void copyToClipboard();
    SnippetImage snippetImage();
    // "Frame pack…": the frame pack dialog, then what it wrote on the status line.
    void framePack();
    const FramePackChoice& framePackChoice() const { return packChoice_; }
    // "Animated image...": the choice of animated pictures written with
    // every save, and at once into the saved set's frame folder.
    void chooseAnimation();
    const AnimationRequest& animationChoice() const { return animation_; }
    // Steps the preview by k frames.
    void step(int k);
    void setAutoSpin(bool on);

    bool pngChosen() const { return format_ == FrameFormat::Png; }
    FrameFormat frameFormat() const { return format_; }
    int zoomWidth() const { return zoomWidth_; }
    int autoSpinInterval() const { return interval_; }
    int previewPosition() const { return position_; }
    const QImage& previewImage() const { return shown_; }
    QRect previewRect() const { return QRect(previewOrigin_, shown_.size()); }
    QTimer& spinTimer() { return spinTimer_; }
    // Where the last save went: the page file's full path, empty before.
    const std::string& lastPagePath() const { return pagePath_; }

    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* browserButton() const { return browser_; }
    QPushButton* clipboardButton() const { return clipboard_; }
    QPushButton* uploadButton() const { return upload_; }
    QPushButton* framePackButton() const { return pack_; }
    QPushButton* animationButton() const { return animationButton_; }
    QRadioButton* jpgButton() const { return jpg_; }
    QRadioButton* pngButton() const { return pngRadio_; }
    QRadioButton* webpButton() const { return webpRadio_; }
    QSpinBox* zoomBox() const { return zoom_; }
    QCheckBox* autoSpinBox() const { return autoSpin_; }
    QSlider* rateSlider() const { return rate_; }
    QToolButton* leftArrow() const { return left_; }
    QToolButton* rightArrow() const { return right_; }
    QLabel* statusLine() const { return status_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int panelWidth() const;
    void composeStill();
    void showImage(const RasterImage* image);
    void placePreview();
    void updateButtons();
    void rateChanged(int position);
    void setDirection(bool forward);
    void restartSpinTimer();
    void showFormat();
    void addFramePackChoice(QWidget* panel, QLayout* layout);
    QPushButton* makeAnimationButton(QWidget* panel);
    // Writes the chosen animations into the frame folder of the saved set.
    bool writeAnimationNow();

    FrameFormat format_ = FrameFormat::Jpeg;
    int zoomWidth_ = 0;
    bool autoSpinOn_ = false;
    int interval_ = 100;
    int position_ = 1;
    int accumulator_ = 0;
    QPoint lastPos_;
    QPoint previewOrigin_;
    std::string pagePath_;
    UploadSet savedSet_;
    AnimationRequest animation_;               // none until chosen
    unsigned statusPhotoChanges_ = 0;          // the photos the status line speaks of
    std::unique_ptr<OutputSetWriter> writer_;  // also keeps the still image
    RasterImage arrowLeft_;
    RasterImage arrowRight_;
    QImage shown_;
    QTimer spinTimer_;

    QRadioButton* jpg_ = nullptr;
    QRadioButton* pngRadio_ = nullptr;
    QRadioButton* webpRadio_ = nullptr;
    QSpinBox* zoom_ = nullptr;
    QCheckBox* autoSpin_ = nullptr;
    QToolButton* left_ = nullptr;
    QToolButton* right_ = nullptr;
    QSlider* rate_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* browser_ = nullptr;
    QPushButton* clipboard_ = nullptr;
    QPushButton* upload_ = nullptr;
    QPushButton* pack_ = nullptr;
    FramePackChoice packChoice_;
    QPushButton* animationButton_ = nullptr;
    QWidget* panel_ = nullptr;
    int panelWidth_ = kPanelWidth;
    QLabel* status_ = nullptr;
    UploadSettings& uploadSettings_;
    HelpOpener helpOpener_;
};

}  // namespace turnpixa
