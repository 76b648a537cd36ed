#pragma once
#include <QDialog>

#include "web/SpinAnimation.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace turnpixa {

// "Animated Image": which animated pictures of the spin the Save page
// writes into the frame folder (spin.gif, spin.webp), how wide, and how
// long each frame shows.
class CAnimationDlg : public QDialog {
    Q_OBJECT
public:
    // chosen: the choice so far (no formats: none yet); frameWidth and
    // autoSpinMs give the defaults; saved says whether a set is there to
    // write into at once.
    CAnimationDlg(const AnimationRequest& chosen, int frameWidth, int autoSpinMs, bool saved,
                  QWidget* parent = nullptr);

    // What the controls say.
    AnimationRequest request() const;

    QCheckBox* gifBox() const { return gif_; }
    QCheckBox* webpBox() const { return webp_; }
    QSpinBox* widthBox() const { return width_; }
    QSpinBox* timeBox() const { return time_; }
    QCheckBox* otherWayBox() const { return otherWay_; }

private:
    void updateNote();

    QCheckBox* gif_ = nullptr;
    QCheckBox* webp_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* time_ = nullptr;
    QCheckBox* otherWay_ = nullptr;
    QLabel* note_ = nullptr;
    bool saved_ = false;
    AnimationRequest chosen_;
};

}  // namespace turnpixa
