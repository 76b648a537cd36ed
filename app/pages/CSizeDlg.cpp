#include "CSizeDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "SeriesAdjustBox.h"
#include "app/DialogSeam.h"
#include "app/ToolTips.h"
#include "app/WizardNavigation.h"
#include "process/CropEdit.h"
#include "project/Project.h"

namespace turnpixa {

namespace {

// The first entry is a word, translated where the list is filled.
const QStringList kAspects = {QT_TRANSLATE_NOOP("turnpixa::CSizeDlg", "Manual"),
                              "5:8",
                              "9:13",
                              "10:15",
                              "13:18",
                              "20:25",
                              "1:1",
                              "4:3"};

Qt::CursorShape cursorFor(CropTracker::Handle h) {
    using H = CropTracker::Handle;
    switch (h) {
        case H::TopLeft:
        case H::BottomRight:
            return Qt::SizeFDiagCursor;
        case H::TopRight:
        case H::BottomLeft:
            return Qt::SizeBDiagCursor;
        case H::Top:
        case H::Bottom:
            return Qt::SizeVerCursor;
        case H::Left:
        case H::Right:
            return Qt::SizeHorCursor;
        default:
            return Qt::SizeAllCursor;
    }
}

void setTextIfDifferent(QLineEdit* field, int value) {
    const QString text = QString::number(value);
    if (field->text() != text) field->setText(text);
}

}  // namespace

CSizeDlg::CSizeDlg(Project& project, WizardNavigation& navigation, QWidget* parent)
    : CViewDlg(project, navigation, tr("Step3: Size TurnPixa"), QStringLiteral("size-options.htm"),
               parent) {
    QWidget* panel = sidePanel();
    addImageNumberGroup();

    reverse_ = new QCheckBox(tr("Reverse spin direction"), panel);
    panelLayout()->addWidget(reverse_);

    auto* rowsGroup = new QGroupBox(tr("Rows"), panel);
    rows_ = new QComboBox(rowsGroup);
    addToolTip(rows_, tr("Photos shot in several rows at different camera heights: row 1's photos "
                         "first, every row the same number. Only row counts that divide the "
                         "photo count are offered."));
    rowsText_ = new QLabel(rowsGroup);
    rowsText_->setWordWrap(true);
    auto* rowsLayout = new QVBoxLayout(rowsGroup);
    rowsLayout->addWidget(rows_);
    rowsLayout->addWidget(rowsText_);
    panelLayout()->addWidget(rowsGroup);

    auto* resizeGroup = new QGroupBox(tr("Resize"), panel);
    resize_ = new QSlider(Qt::Horizontal, resizeGroup);
    resize_->setRange(10, 1000);
    resize_->setPageStep(1);
    width_ = new QLineEdit(resizeGroup);
    height_ = new QLineEdit(resizeGroup);
    for (QLineEdit* f : {width_, height_}) f->setMaxLength(6);
    auto* fields = new QHBoxLayout;
    fields->addWidget(width_);
    fields->addWidget(new QLabel(QStringLiteral("x"), resizeGroup));
    fields->addWidget(height_);
    auto* resizeLayout = new QVBoxLayout(resizeGroup);
    resizeLayout->addWidget(resize_);
    resizeLayout->addLayout(fields);
    panelLayout()->addWidget(resizeGroup);

    auto* rotateGroup = new QGroupBox(tr("Rotate"), panel);
    left90_ = new QPushButton(tr("Left 90"), rotateGroup);
    right90_ = new QPushButton(tr("Right 90"), rotateGroup);
    turn180_ = new QPushButton(QStringLiteral("180"), rotateGroup);
    auto* rotateLayout = new QHBoxLayout(rotateGroup);
    rotateLayout->setSpacing(2);
    for (QPushButton* b : {left90_, right90_, turn180_}) {
        b->setAutoDefault(false);
        rotateLayout->addWidget(b);
    }
    panelLayout()->addWidget(rotateGroup);

    auto* cropGroup = new QGroupBox(tr("Crop && Pan"), panel);
    crop_ = new QPushButton(tr("Crop..."), cropGroup);
    crop_->setAutoDefault(false);
    aspect_ = new QComboBox(cropGroup);
    aspect_->addItems(kAspects);
    aspect_->setItemText(0, tr("Manual"));
    rectText_ = new QLabel(cropGroup);
    spin_ = new QPushButton(tr("Spin"), cropGroup);
    pan_ = new QPushButton(tr("Pan"), cropGroup);
    for (QPushButton* b : {spin_, pan_}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
    }
    allImages_ = new QRadioButton(tr("All Images"), cropGroup);
    thisImage_ = new QRadioButton(tr("This Image"), cropGroup);
    auto* modes = new QHBoxLayout;
    modes->addWidget(spin_);
    modes->addWidget(pan_);
    auto* cropLayout = new QVBoxLayout(cropGroup);
    cropLayout->addWidget(crop_);
    cropLayout->addWidget(aspect_);
    cropLayout->addWidget(rectText_);
    cropLayout->addLayout(modes);
    cropLayout->addWidget(allImages_);
    cropLayout->addWidget(thisImage_);
    centre_ = new SeriesAdjustBox(
        tr("Auto-centre"), tr("Centring"), project,
        [](Project& p, const SeriesProgress& progress) { return autoCentre(p, progress); },
        [this] {
            showCropState();
            showCurrentFrame(true);
        },
        cropGroup);
    cropLayout->addWidget(centre_);
    panelLayout()->addWidget(cropGroup);
    panelLayout()->addStretch(1);

    // Only what the user does reaches the project: the page sets these
    // controls itself with their signals blocked.
    connect(reverse_, &QCheckBox::clicked, this,
            [this](bool on) { this->project().reverseSpin = on; });
    connect(rows_, &QComboBox::activated, this, &CSizeDlg::rowsChosen);
    connect(resize_, &QSlider::valueChanged, this, &CSizeDlg::resizeMoved);
    connect(width_, &QLineEdit::textEdited, this, [this](const QString& t) { sizeTyped(true, t); });
    connect(height_, &QLineEdit::textEdited, this,
            [this](const QString& t) { sizeTyped(false, t); });
    // An entry that was ignored shows the frame's size again once left.
    for (QLineEdit* f : {width_, height_})
        connect(f, &QLineEdit::editingFinished, this, [this] {
            if (frameOnDisplay().isNull()) return;
            setTextIfDifferent(width_, frameOnDisplay().width());
            setTextIfDifferent(height_, frameOnDisplay().height());
        });
    connect(left90_, &QPushButton::clicked, this, [this] { rotate(3); });
    connect(right90_, &QPushButton::clicked, this, [this] { rotate(1); });
    connect(turn180_, &QPushButton::clicked, this, [this] { rotate(2); });
    connect(crop_, &QPushButton::clicked, this, &CSizeDlg::cropButtonPressed);
    connect(aspect_, &QComboBox::activated, this, &CSizeDlg::aspectChosen);
    connect(spin_, &QPushButton::clicked, this, [this] { chooseMode(false); });
    connect(pan_, &QPushButton::clicked, this, [this] { chooseMode(true); });
    connect(allImages_, &QRadioButton::clicked, this, [this] { setPanAll(true); });
    connect(thisImage_, &QRadioButton::clicked, this, [this] { setPanAll(false); });
}

void CSizeDlg::onSetActive() {
    navigation().setEnabledButtons(WizardNavigation::kBack | WizardNavigation::kNext);
    {
        const QSignalBlocker a(allImages_), b(thisImage_);
        allImages_->setChecked(panAll());
        thisImage_->setChecked(!panAll());
    }
    showCropState();
    {
        const QSignalBlocker quiet(aspect_);
        aspect_->setCurrentIndex(0);
        aspect_->setEnabled(false);
    }
    if (tracker_) tracker_->setRatio(std::nullopt);
    {
        const QSignalBlocker quiet(reverse_);
        reverse_->setChecked(project().reverseSpin);
    }
    CViewDlg::onSetActive();
    showImageNumber();
    showRows();
    showTrackerLabel();
    centre_->refresh();
}

int CSizeDlg::displayedWidth() const {
    const ProcessingSettings& s = const_cast<CSizeDlg*>(this)->project().settings();
    return s.rotation % 2 == 0 ? s.outputWidth : s.outputHeight;
}

int CSizeDlg::displayedHeight() const {
    const ProcessingSettings& s = const_cast<CSizeDlg*>(this)->project().settings();
    return s.rotation % 2 == 0 ? s.outputHeight : s.outputWidth;
}

void CSizeDlg::showCurrentFrame(bool full) {
    CViewDlg::showCurrentFrame(full);
    Project& p = project();
    if (resize_->value() != displayedWidth()) {
        const QSignalBlocker quiet(resize_);
        resize_->setValue(displayedWidth());
    }
    const QImage& frame = frameOnDisplay();
    if (!frame.isNull()) {
        setTextIfDifferent(width_, frame.width());
        setTextIfDifferent(height_, frame.height());
        warnedTooLarge_ = false;
    } else if (p.photoAt(p.currentImage - 1) && !warnedTooLarge_) {
        // A size the memory cannot hold: say so once, keep the page usable.
        warnedTooLarge_ = true;
        DialogSeam::instance().message(this,
                                       tr("A frame of %1 x %2 pixels is too large to make.\n\n"
                                          "Please choose a smaller size.")
                                           .arg(displayedWidth())
                                           .arg(displayedHeight()));
    }
    fitTrackerToFrame();
}

void CSizeDlg::selectPhoto(int m) {
    CViewDlg::selectPhoto(m);
    showRows();
}

void CSizeDlg::showRows() {
    const Project& p = project();
    const std::vector<int> choices = SpinRows::choices(p.photoCount());
    const SpinRows grid = p.spinRows();
    const QSignalBlocker quiet(rows_);
    if (rowsListCount_ != p.photoCount()) {
        rowsListCount_ = p.photoCount();
        rows_->clear();
        for (int r : choices) {
            const int columns = p.photoCount() / r;
            rows_->addItem(r == 1 ? tr("1 row") : tr("%1 rows of %2").arg(r).arg(columns), r);
        }
    }
    rows_->setCurrentIndex(std::max(0, rows_->findData(grid.rows())));
    rows_->setEnabled(choices.size() > 1);
    QString text;
    if (p.rows > 1 && grid.rows() == 1) {
        text = tr("%1 rows need a multiple of %1 photos: the %2 photos are one row.")
                   .arg(p.rows)
                   .arg(p.photoCount());
    } else if (grid.rows() > 1 && p.currentImage >= 1 && p.currentImage <= p.photoCount()) {
        const int index = p.currentImage - 1;
        text = tr("Row %1 of %2, photo %3 of %4. Drag up and down to tilt.")
                   .arg(grid.rowOf(index) + 1)
                   .arg(grid.rows())
                   .arg(grid.columnOf(index) + 1)
                   .arg(grid.columns());
    }
    rowsText_->setText(text);
    rowsText_->setVisible(!text.isEmpty());
}

void CSizeDlg::rowsChosen(int index) {
    Project& p = project();
    const int rows = rows_->itemData(index).toInt();
    if (rows < 1 || rows == p.rows) return;
    p.rows = rows;
    // The spin logo turns with each row: every frame gets it anew.
    p.markAllPhotosLogoStale();
    showCurrentFrame(true);
    showRows();
}

void CSizeDlg::resizeMoved(int position) {
    Project& p = project();
    if (!p.photoAt(p.currentImage - 1)) return;
    p.deriveOutputSizeFromWidth(position);
    showCurrentFrame(false);
}

void CSizeDlg::sizeTyped(bool width, const QString& text) {
    const std::string typed = text.toStdString();
    const std::optional<long long> value = typedInteger(typed);
    if (!value || *value < 0 || *value > 1000) return;
    const int n = static_cast<int>(*value);
    if (n == (width ? displayedWidth() : displayedHeight())) return;
    Project& p = project();
    if (width)
        p.deriveOutputSizeFromWidth(n);
    else
        p.deriveOutputSizeFromHeight(n);
    showCurrentFrame(true);
}

void CSizeDlg::rotate(int quarterTurns) {
    Project& p = project();
    p.settings().setRotation(p.settings().rotation + quarterTurns);
    if (quarterTurns == 2) {
        selectPhoto(-1);
        p.schedulePreRender();
    } else {
        showCurrentFrame(true);
    }
}

void CSizeDlg::cropButtonPressed() {
    Project& p = project();
    Photo* photo = p.photoAt(p.currentImage - 1);
    if (tracker_) {
        const Rect drawn = tracker_->rect();
        tracker_.reset();
        CropPhoto geometry;
        if (photo) geometry = CropPhoto{photo->width(), photo->height(), photo->sourceScale()};
        p.settings() = appliedCrop(p.settings(), drawn, photo ? &geometry : nullptr);
        setCropOn(p.settings().cropOn);
        finishCrop();
        return;
    }
    if (p.settings().cropOn) {
        CropPhoto geometry;
        if (photo) geometry = CropPhoto{photo->width(), photo->height(), photo->sourceScale()};
        p.settings() = undoneCrop(p.settings(), photo ? &geometry : nullptr);
        setCropOn(false);
        finishCrop();
        return;
    }
    // Nothing to draw on without a photo.
    if (!photo || frameOnDisplay().isNull()) return;
    trackerFrame_ = frameOnDisplay().size();
    tracker_.emplace(trackerFrame_.width(), trackerFrame_.height());
    showCropState();
    aspect_->setEnabled(true);
    showTrackerLabel();
    update();
}

void CSizeDlg::finishCrop() {
    showCropState();
    showCurrentFrame(true);
    const QSignalBlocker quiet(aspect_);
    aspect_->setEnabled(false);
    aspect_->setCurrentIndex(0);
    showTrackerLabel();
}

void CSizeDlg::setCropOn(bool on) {
    project().settings().cropOn = on;
    if (!on) chooseMode(false);
    showCropState();
}

void CSizeDlg::showCropState() {
    const bool on = project().settings().cropOn;
    crop_->setText(tracker_ ? tr("Apply Crop") : on ? tr("Undo Crop") : tr("Crop..."));
    // A longer text may need a wider panel.
    layOut(width(), height());
    pan_->setEnabled(on);
    if (!on && panMode()) setPanMode(false);
    spin_->setChecked(!panMode());
    pan_->setChecked(panMode());
    allImages_->setEnabled(panMode());
    thisImage_->setEnabled(panMode());
}

void CSizeDlg::chooseMode(bool pan) {
    setPanMode(pan && project().settings().cropOn);
    spin_->setChecked(!panMode());
    pan_->setChecked(panMode());
    allImages_->setEnabled(panMode());
    thisImage_->setEnabled(panMode());
}

void CSizeDlg::aspectChosen(int index) {
    if (!tracker_) return;
    if (index < 0 || index >= kAspects.size()) return;
    // The ratio is read from the list's own text, not the shown one.
    tracker_->setRatio(aspectRatioOf(kAspects[index].toStdString()));
    showTrackerLabel();
    update();
}

void CSizeDlg::showTrackerLabel() {
    rectText_->setText(tracker_ ? QString::fromStdString(tracker_->label()) : QString());
}

void CSizeDlg::fitTrackerToFrame() {
    if (!tracker_) return;
    const QSize size = frameOnDisplay().size();
    if (size == trackerFrame_ || size.isEmpty()) return;
    const std::optional<double> ratio = tracker_->ratio();
    tracker_.emplace(size.width(), size.height(), tracker_->rect());
    tracker_->setRatio(ratio);
    trackerFrame_ = size;
    showTrackerLabel();
}

void CSizeDlg::paintOverFrame(QPainter& painter) {
    if (!tracker_) return;
    const QPoint o = previewOrigin();
    const Rect r = tracker_->rect();
    const QRect inner(o.x() + r.left, o.y() + r.top, r.width(), r.height());
    // Hatched border round the rectangle, a dotted outline and eight handles.
    const int h = CropTracker::kHandleSize;
    painter.save();
    const QRect outer = inner.adjusted(-h / 2, -h / 2, h / 2, h / 2);
    QPainterPath border;
    border.addRect(outer);
    border.addRect(inner);
    painter.fillPath(border, QBrush(QColor(0, 0, 0, 110), Qt::BDiagPattern));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const int xs[3] = {inner.left() - h, inner.center().x() - h / 2, inner.right() + 1};
    const int ys[3] = {inner.top() - h, inner.center().y() - h / 2, inner.bottom() + 1};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (i != 1 || j != 1) painter.drawRect(xs[i], ys[j], h - 1, h - 1);
    painter.restore();
}

void CSizeDlg::mousePressEvent(QMouseEvent* event) {
    if (tracker_ && event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint() - previewOrigin();
        const CropTracker::Handle handle = tracker_->hitTest(p.x(), p.y());
        if (handle != CropTracker::Handle::None) {
            tracker_->beginDrag(handle, p.x(), p.y());
            return;
        }
    }
    CViewDlg::mousePressEvent(event);
}

void CSizeDlg::mouseMoveEvent(QMouseEvent* event) {
    if (tracker_) {
        const QPoint p = event->position().toPoint() - previewOrigin();
        if (tracker_->dragging()) {
            tracker_->moveTo(p.x(), p.y());
            showTrackerLabel();
            update();
            return;
        }
        const CropTracker::Handle handle = tracker_->hitTest(p.x(), p.y());
        if (handle != CropTracker::Handle::None) {
            setCursor(cursorFor(handle));
            return;
        }
    }
    CViewDlg::mouseMoveEvent(event);
}

void CSizeDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_ && tracker_->dragging() && event->button() == Qt::LeftButton) {
        tracker_->endDrag();
        return;
    }
    CViewDlg::mouseReleaseEvent(event);
}

}  // namespace turnpixa
