#pragma once
#include "CViewDlg.h"
#include "image/PackedColour.h"
#include "process/ProcessingSettings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace turnpixa {

class SeriesAdjustBox;

// Page "Step4: Edit TurnPixa": lightness for all photos or this one,
// background removal with its strength and colour, and the soft-edge frame.
class CEditDlg : public CViewDlg {
    Q_OBJECT
public:
    CEditDlg(Project& project, WizardNavigation& navigation, QWidget* parent = nullptr);
    void onSetActive() override;
    void selectPhoto(int m) override;

    QSlider* lightnessSlider() const { return lightness_; }
    QRadioButton* allImagesButton() const { return allImages_; }
    QRadioButton* thisImageButton() const { return thisImage_; }
    QCheckBox* removalBox() const { return removal_; }
    QSlider* removalSlider() const { return strength_; }
    QPushButton* replacementColourButton() const { return replacementColour_; }
    QCheckBox* transparentBox() const { return transparent_; }
    QSlider* frameSlider() const { return frameWidth_; }
    QLabel* frameWidthText() const { return frameText_; }
    QPushButton* frameColourButton() const { return frameColour_; }
    SeriesAdjustBox* evenBox() const { return even_; }

private:
    void showLightness();
    void lightnessMoved(int position);
    void chooseColour(bool replacement);
    static void showColour(QPushButton* button, PackedColour colour);
    void enableRemovalControls(const ProcessingSettings& settings);

    bool thisImageScope_ = false;
    QSlider* lightness_ = nullptr;
    QRadioButton* allImages_ = nullptr;
    QRadioButton* thisImage_ = nullptr;
    QCheckBox* removal_ = nullptr;
    QSlider* strength_ = nullptr;
    QPushButton* replacementColour_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QSlider* frameWidth_ = nullptr;
    QLabel* frameText_ = nullptr;
    QPushButton* frameColour_ = nullptr;
    SeriesAdjustBox* even_ = nullptr;
};

}  // namespace turnpixa
