#pragma once
#include <QImage>
#include <QRect>
#include <vector>

#include "CWizardPage.h"
#include "project/RingLayout.h"
#include "project/SpinRows.h"

class QLabel;
class QSlider;
class QToolButton;
class QVBoxLayout;

namespace turnpixa {

class Project;
class RasterImage;

// The common work area of the Load, Size and Edit pages: a side panel on
// the left, the current frame in the middle and the ring of all photos
// round it. Dragging across the frame turns the object (within its row, and
// up and down tilts it between rows when the photos are in rows); a
// thumbnail can be picked, dragged onto another spoke to reorder, or used
// from its menu.
class CViewDlg : public CWizardPage {
    Q_OBJECT
public:
    // The side panel's width; wider only where a language's texts need it.
    static constexpr int kPanelWidth = 200;
    static constexpr int kRingInset = 3;

    CViewDlg(Project& project, WizardNavigation& navigation, QString caption, QString helpTopic,
             QWidget* parent = nullptr);

    void onSetActive() override;
    void photoAdded(int number) override;
    void refreshCurrentFrame() override;

    // Hooks for the derived pages.
    virtual void layOut(int width, int height);
    // m < 0 selects the current photo again.
    virtual void selectPhoto(int m);
    virtual void showCurrentFrame(bool full);

    void turn(int n);
    void setStartImage(int m);
    void removePhoto(int m);

    // What the page shows, for its own painting and for tests.
    int panelWidth() const;
    QRect ringRect() const;
    QRect previewRect() const;
    bool previewVisible() const { return previewVisible_; }
    const QImage& frameOnDisplay() const { return frame_; }
    // Centre of a photo's thumbnail (1-based); a null point when none.
    QPoint thumbnailCentre(int number);
    int dropTargetNumber() const { return dropTarget_ + 1; }

    // Dragging over the frame pans the crop instead of turning; a pan moves
    // the global crop (pan all) or only the current photo's offset.
    bool panMode() const { return panMode_; }
    bool panAll() const { return panAll_; }
    void setPanMode(bool on) { panMode_ = on; }
    void setPanAll(bool all) { panAll_ = all; }

    // The "Image Number" group of the Size and Edit pages; null elsewhere.
    QSlider* imageSlider() const { return imageSlider_; }
    QLabel* imageNumberText() const { return imageText_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }

protected:
    QWidget* sidePanel() const { return panel_; }
    QVBoxLayout* panelLayout() const { return panelLayout_; }
    void setFrame(const RasterImage* image);
    void setPreviewVisible(bool visible);
    // Adds the "Image Number" group to the side panel.
    void addImageNumberGroup();
    // Text "%d of %d" and slider range and position from the project,
    // without the slider writing back.
    void showImageNumber();
    QPoint previewOrigin() const { return previewOrigin_; }
    // Drawn over the ring and under the frame.
    virtual void paintOverRing(QPainter& painter) { (void)painter; }
    // Drawn over the frame (the crop tracker).
    virtual void paintOverFrame(QPainter& painter) { (void)painter; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<ring::Slot> ringSlots();
    void placePreview();
    void endDrag();
    void showContextMenu(QPoint pos);
    void pan(int dx, int dy);

    QWidget* panel_ = nullptr;
    int panelWidth_ = kPanelWidth;
    QVBoxLayout* panelLayout_ = nullptr;
    QImage frame_;
    bool previewVisible_ = false;
    QPoint previewOrigin_;
    int dragSource_ = -1;  // 0-based, -1 = none
    int dropTarget_ = -1;
    bool dragging_ = false;
    QPoint lastPos_;
    SpinDrag drag_;
    bool panMode_ = false;
    bool panAll_ = true;
    QLabel* imageText_ = nullptr;
    QSlider* imageSlider_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
};

}  // namespace turnpixa
