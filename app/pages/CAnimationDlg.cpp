#include "CAnimationDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

namespace turnpixa {

namespace {

bool has(const AnimationRequest& r, AnimationFormat f) {
    return std::find(r.formats.begin(), r.formats.end(), f) != r.formats.end();
}

}  // namespace

CAnimationDlg::CAnimationDlg(const AnimationRequest& chosen, int frameWidth, int autoSpinMs,
                             bool saved, QWidget* parent)
    : QDialog(parent), saved_(saved), chosen_(chosen) {
    setWindowTitle(tr("Animated Image"));
    auto* intro =
        new QLabel(tr("An animated image turns by itself, from the start image on, on pages "
                      "and listings that take no scripts. It is written into the frame folder "
                      "and uploaded with the frames."),
                   this);
    intro->setWordWrap(true);
    gif_ = new QCheckBox(tr("GIF (spin.gif): every browser and marketplace"), this);
    webp_ = new QCheckBox(tr("WebP (spin.webp): a fraction of the size"), this);
    const bool first = chosen.empty();
    gif_->setChecked(first || has(chosen, AnimationFormat::Gif));
    webp_->setChecked(first || has(chosen, AnimationFormat::WebP));

    width_ = new QSpinBox(this);
    width_->setRange(16, kMaxAnimationWidth);
    width_->setSuffix(tr(" px"));
    width_->setSingleStep(20);
    const int frames = std::clamp(frameWidth, 16, kMaxAnimationWidth);
    width_->setValue(first || chosen.width <= 0 ? frames
                                                : std::clamp(chosen.width, 16, kMaxAnimationWidth));
    width_->setToolTip(tr("The frames are %1 pixels wide; other widths are rendered "
                          "from the photos.")
                           .arg(frameWidth));

    time_ = new QSpinBox(this);
    time_->setRange(kMinAnimationFrameMs, 60000);
    time_->setSingleStep(10);
    time_->setSuffix(tr(" ms"));
    const int ms = first ? (autoSpinMs != 0 ? autoSpinMs : 100) : chosen.frameMs;
    time_->setValue(std::max(std::abs(ms), kMinAnimationFrameMs));
    otherWay_ = new QCheckBox(tr("Turn the other way"), this);
    otherWay_->setChecked(ms < 0);

    auto* form = new QFormLayout;
    form->addRow(tr("Formats"), gif_);
    form->addRow(QString(), webp_);
    form->addRow(tr("Width"), width_);
    form->addRow(tr("Time per frame"), time_);
    form->addRow(QString(), otherWay_);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    for (QCheckBox* b : {gif_, webp_})
        connect(b, &QCheckBox::toggled, this, [this] { updateNote(); });
    updateNote();
}

void CAnimationDlg::updateNote() {
    const bool any = gif_->isChecked() || webp_->isChecked();
    if (!any) {
        note_->setText(chosen_.empty() ? tr("No animated image is made.")
                                       : tr("No animated image is made from now on; "
                                            "the ones written stay in the frame "
                                            "folder but are not uploaded."));
    } else if (saved_) {
        note_->setText(
            tr("OK writes it into the frame folder of the saved image "
               "now, and again with every save."));
    } else {
        note_->setText(tr("It is written with the image at the next save."));
    }
}

AnimationRequest CAnimationDlg::request() const {
    AnimationRequest r;
    if (gif_->isChecked()) r.formats.push_back(AnimationFormat::Gif);
    if (webp_->isChecked()) r.formats.push_back(AnimationFormat::WebP);
    r.width = width_->value();
    r.frameMs = otherWay_->isChecked() ? -time_->value() : time_->value();
    return r;
}

}  // namespace turnpixa
