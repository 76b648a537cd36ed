#pragma once
#include <optional>

#include "CViewDlg.h"
#include "process/CropTracker.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace turnpixa {

class SeriesAdjustBox;

// Page "Step3: Size TurnPixa": frame size, spin direction, the rows the
// photos were shot in, quarter turns, and the crop drawn on the preview,
// with its pan for all photos or one.
class CSizeDlg : public CViewDlg {
    Q_OBJECT
public:
    CSizeDlg(Project& project, WizardNavigation& navigation, QWidget* parent = nullptr);
    void onSetActive() override;
    void selectPhoto(int m) override;
    void showCurrentFrame(bool full) override;

    // The crop button: "Crop...", "Apply Crop" or "Undo Crop" by state.
    void cropButtonPressed();
    bool drawingCrop() const { return tracker_.has_value(); }
    // The tracker on the frame on display, in frame pixels; null when none.
    CropTracker* tracker() { return tracker_ ? &*tracker_ : nullptr; }

    QCheckBox* reverseBox() const { return reverse_; }
    // "Rows": the row counts the photos can be laid out in, and where the
    // current photo is in them.
    QComboBox* rowsList() const { return rows_; }
    QLabel* rowsText() const { return rowsText_; }
    QSlider* resizeSlider() const { return resize_; }
    QLineEdit* widthField() const { return width_; }
    QLineEdit* heightField() const { return height_; }
    QPushButton* left90Button() const { return left90_; }
    QPushButton* right90Button() const { return right90_; }
    QPushButton* turn180Button() const { return turn180_; }
    QPushButton* cropButton() const { return crop_; }
    QComboBox* aspectList() const { return aspect_; }
    QLabel* rectangleText() const { return rectText_; }
    QPushButton* spinButton() const { return spin_; }
    QPushButton* panButton() const { return pan_; }
    QRadioButton* allImagesButton() const { return allImages_; }
    QRadioButton* thisImageButton() const { return thisImage_; }
    SeriesAdjustBox* centreBox() const { return centre_; }

protected:
    void paintOverFrame(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int displayedWidth() const;
    int displayedHeight() const;
    void resizeMoved(int position);
    void rowsChosen(int index);
    // The Rows list and its text from the project, without writing back.
    void showRows();
    void sizeTyped(bool width, const QString& text);
    void rotate(int quarterTurns);
    void aspectChosen(int index);
    void setCropOn(bool on);
    void showCropState();
    void finishCrop();
    void chooseMode(bool pan);
    void showTrackerLabel();
    // Keeps the tracker on the frame when the frame changes size.
    void fitTrackerToFrame();

    QCheckBox* reverse_ = nullptr;
    QComboBox* rows_ = nullptr;
    QLabel* rowsText_ = nullptr;
    int rowsListCount_ = -1;  // the photo count the Rows list was made for
    QSlider* resize_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QPushButton* left90_ = nullptr;
    QPushButton* right90_ = nullptr;
    QPushButton* turn180_ = nullptr;
    QPushButton* crop_ = nullptr;
    QComboBox* aspect_ = nullptr;
    QLabel* rectText_ = nullptr;
    QPushButton* spin_ = nullptr;
    QPushButton* pan_ = nullptr;
    QRadioButton* allImages_ = nullptr;
    QRadioButton* thisImage_ = nullptr;
    SeriesAdjustBox* centre_ = nullptr;
    std::optional<CropTracker> tracker_;
    QSize trackerFrame_;
    bool warnedTooLarge_ = false;
};

}  // namespace turnpixa
