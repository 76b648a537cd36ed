#include "CEditDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "SeriesAdjustBox.h"
#include "app/DialogSeam.h"
#include "app/ToolTips.h"
#include "app/WizardNavigation.h"
#include "project/Project.h"

namespace turnpixa {

namespace {

QColor toQColor(PackedColour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

PackedColour toPacked(const QColor& c) {
    return packColour(c.red(), c.green(), c.blue());
}

void setQuietly(QSlider* slider, int value) {
    const QSignalBlocker quiet(slider);
    slider->setValue(value);
}

}  // namespace

CEditDlg::CEditDlg(Project& project, WizardNavigation& navigation, QWidget* parent)
    : CViewDlg(project, navigation, tr("Step4: Edit TurnPixa"), QStringLiteral("extra-options.htm"),
               parent) {
    QWidget* panel = sidePanel();
    addImageNumberGroup();

    auto* light = new QGroupBox(tr("Lightness"), panel);
    lightness_ = new QSlider(Qt::Horizontal, light);
    lightness_->setRange(1, 40);
    lightness_->setPageStep(1);
    lightness_->setTickInterval(10);
    lightness_->setTickPosition(QSlider::TicksBelow);
    allImages_ = new QRadioButton(tr("All Images"), light);
    thisImage_ = new QRadioButton(tr("This Image"), light);
    allImages_->setChecked(true);
    auto* lightLayout = new QVBoxLayout(light);
    lightLayout->addWidget(lightness_);
    lightLayout->addWidget(allImages_);
    lightLayout->addWidget(thisImage_);
    even_ = new SeriesAdjustBox(
        tr("Even out lightness"), tr("Measuring"), project,
        [](Project& p, const SeriesProgress& progress) { return evenLightness(p, progress); },
        [this] {
            showLightness();
            refreshCurrentFrame();
        },
        light);
    lightLayout->addWidget(even_);
    panelLayout()->addWidget(light);

    auto* removal = new QGroupBox(tr("Background Removal"), panel);
    removal_ = new QCheckBox(tr("Background Removal"), removal);
    strength_ = new QSlider(Qt::Horizontal, removal);
    strength_->setRange(6, 180);
    strength_->setPageStep(1);
    replacementColour_ = new QPushButton(tr("Colour..."), removal);
    transparent_ = new QCheckBox(tr("Transparent"), removal);
    auto* removalLayout = new QVBoxLayout(removal);
    removalLayout->addWidget(removal_);
    removalLayout->addWidget(strength_);
    removalLayout->addWidget(replacementColour_);
    removalLayout->addWidget(transparent_);
    panelLayout()->addWidget(removal);

    auto* frame = new QGroupBox(tr("Soft Edge Frame"), panel);
    frameWidth_ = new QSlider(Qt::Horizontal, frame);
    frameWidth_->setRange(0, 100);
    frameWidth_->setPageStep(1);
    frameText_ = new QLabel(frame);
    frameText_->setMinimumWidth(frameText_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    frameColour_ = new QPushButton(tr("Colour..."), frame);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(new QLabel(tr("Width"), frame));
    widthRow->addWidget(frameWidth_, 1);
    widthRow->addWidget(frameText_);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(tr("Colour"), frame));
    colourRow->addWidget(frameColour_, 1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(widthRow);
    frameLayout->addLayout(colourRow);
    panelLayout()->addWidget(frame);
    panelLayout()->addStretch(1);

    for (QPushButton* b : {replacementColour_, frameColour_}) {
        b->setAutoDefault(false);
        b->setIconSize(QSize(24, 14));
    }
    addToolTip(removal_, tr("Select this box to use the Background Removal option.\n\nTurnPixa "
                            "will analyse the image to automatically determine which part is "
                            "the background.\n\nThis will work best when the background is "
                            "fairly uniform. Use the slider to increase or decrease the "
                            "removal."));
    addToolTip(replacementColour_,
               tr("Click here to choose a new colour for the background.\n\nThis "
                  "colour will replace the background."));
    addToolTip(transparent_, tr("Select this box to leave no background at all: PNG and WebP "
                                "frames show the page behind the object.\n\nJPG frames cannot "
                                "be transparent."));
    addToolTip(strength_, tr("This slider controls how much background is removed.\n\nSlide to "
                             "the right to remove more background.\nSlide to the left if too "
                             "much is removed."));

    // The page sets these controls itself with their signals blocked, so
    // only what the user does reaches the project.
    connect(lightness_, &QSlider::valueChanged, this, &CEditDlg::lightnessMoved);
    connect(allImages_, &QRadioButton::clicked, this, [this] {
        thisImageScope_ = false;
        showLightness();
    });
    connect(thisImage_, &QRadioButton::clicked, this, [this] {
        thisImageScope_ = true;
        showLightness();
    });
    connect(removal_, &QCheckBox::clicked, this, [this](bool on) {
        this->project().settings().removalOn = on;
        enableRemovalControls(this->project().settings());
        refreshCurrentFrame();
    });
    connect(transparent_, &QCheckBox::clicked, this, [this](bool on) {
        this->project().settings().transparentBackground = on;
        enableRemovalControls(this->project().settings());
        refreshCurrentFrame();
    });
    connect(strength_, &QSlider::valueChanged, this, [this](int v) {
        this->project().settings().removalStrength = v;
        refreshCurrentFrame();
    });
    connect(frameWidth_, &QSlider::valueChanged, this, [this](int v) {
        frameText_->setText(QString::number(v));
        this->project().settings().frameWidth = v;
        refreshCurrentFrame();
    });
    connect(replacementColour_, &QPushButton::clicked, this, [this] { chooseColour(true); });
    connect(frameColour_, &QPushButton::clicked, this, [this] { chooseColour(false); });
}

void CEditDlg::enableRemovalControls(const ProcessingSettings& s) {
    strength_->setEnabled(s.removalOn);
    transparent_->setEnabled(s.removalOn);
    replacementColour_->setEnabled(!s.transparent());
}

void CEditDlg::onSetActive() {
    CViewDlg::onSetActive();
    even_->refresh();
    navigation().setEnabledButtons(WizardNavigation::kBack | WizardNavigation::kNext);
    const ProcessingSettings& s = project().settings();
    setQuietly(frameWidth_, s.frameWidth);
    frameText_->setText(QString::number(s.frameWidth));
    showColour(frameColour_, s.frameColour);
    setQuietly(strength_, s.removalStrength);
    {
        const QSignalBlocker quiet(removal_);
        removal_->setChecked(s.removalOn);
    }
    {
        const QSignalBlocker quiet(transparent_);
        transparent_->setChecked(s.transparentBackground);
    }
    enableRemovalControls(s);
    showColour(replacementColour_, s.replacementColour);
    {
        const QSignalBlocker a(allImages_), b(thisImage_);
        allImages_->setChecked(!thisImageScope_);
        thisImage_->setChecked(thisImageScope_);
    }
    showLightness();
    showImageNumber();
}

void CEditDlg::selectPhoto(int m) {
    CViewDlg::selectPhoto(m);
    if (project().photoAt(project().currentImage - 1)) showLightness();
}

void CEditDlg::showLightness() {
    Project& p = project();
    double x = p.settings().lightness;
    const Photo* photo = p.photoAt(p.currentImage - 1);
    if (thisImageScope_ && photo) x += photo->lightnessOffset;
    if (x <= 0) x = 0.1;
    setQuietly(lightness_, static_cast<int>(std::lround(x * 10)));
}

void CEditDlg::lightnessMoved(int position) {
    Project& p = project();
    Photo* photo = p.photoAt(p.currentImage - 1);
    if (!photo) return;
    const double x = position * 0.1;
    if (thisImageScope_)
        photo->lightnessOffset = x - p.settings().lightness;
    else
        p.settings().lightness = x;
    refreshCurrentFrame();
}

void CEditDlg::chooseColour(bool replacement) {
    ProcessingSettings& s = project().settings();
    PackedColour& edited = replacement ? s.replacementColour : s.frameColour;
    const PackedColour other = replacement ? s.frameColour : s.replacementColour;
    QList<QColor> custom(16, Qt::white);
    custom[0] = toQColor(edited);
    custom[1] = toQColor(other);
    QColor chosen = toQColor(edited);
    if (!DialogSeam::instance().chooseColour(this, chosen, custom) || !chosen.isValid()) return;
    edited = toPacked(chosen);
    refreshCurrentFrame();
    showColour(replacement ? replacementColour_ : frameColour_, edited);
}

void CEditDlg::showColour(QPushButton* button, PackedColour colour) {
    QPixmap swatch(24, 14);
    swatch.fill(toQColor(colour));
    QPainter painter(&swatch);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 23, 13);
    painter.end();
    button->setIcon(QIcon(swatch));
}

}  // namespace turnpixa
