#include "CSaveDlg.h"

#include "app/ToolTips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/DialogSeam.h"
#include "app/HelpOpener.h"
#include "app/RasterImageQt.h"
#include "app/TextFit.h"
#include "app/WizardNavigation.h"
#include "image/ImageFormats.h"
#include "net/CUploadDlg.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "project/RingLayout.h"
#include "resources/Resources.h"
#include "web/CSnippetDlg.h"
#include "web/OutputSetWriter.h"
#include "web/RateSlider.h"
#include "web/SaveTarget.h"

namespace turnpixa {

namespace {

QIcon arrowIcon(const RasterImage& picture) {
    const QImage image = toQImage(picture);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

const char* const kNoTransparentJpg = QT_TRANSLATE_NOOP(
    "turnpixa::CSaveDlg", "JPG frames cannot be transparent: PNG is chosen (WebP weighs less).");

QPushButton* panelButton(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setMinimumHeight(40);
    b->setAutoDefault(false);
    return b;
}

// A label and the control it names, side by side, the control taking the
// rest of the row.
QHBoxLayout* labelledRow(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(control, 1);
    return row;
}

}  // namespace

CSaveDlg::CSaveDlg(Project& project, WizardNavigation& navigation, UploadSettings& uploadSettings,
                   HelpOpener helpOpener, QWidget* parent)
    : CWizardPage(project, navigation, tr("Step 5: Save TurnPixa"), QStringLiteral("save-page.htm"),
                  parent),
      uploadSettings_(uploadSettings),
      helpOpener_(std::move(helpOpener)) {
    loadResourceImage("arrow-left.png", arrowLeft_);
    loadResourceImage("arrow-right.png", arrowRight_);
    writer_ = std::make_unique<OutputSetWriter>(arrowRight_);

    auto* panel = new QWidget(this);
    panel_ = panel;
    panel->setObjectName(QStringLiteral("sidePanel"));
    panel->setGeometry(0, 0, kPanelWidth, 400);
    auto* layout = new QVBoxLayout(panel);

    auto* format = new QGroupBox(tr("Format"), panel);
    jpg_ = new QRadioButton(tr("JPG (default)"), format);
    pngRadio_ = new QRadioButton(QStringLiteral("PNG"), format);
    webpRadio_ = new QRadioButton(QStringLiteral("WebP"), format);
    jpg_->setChecked(true);
    addToolTip(webpRadio_, tr("WebP frames weigh about half as much as JPG frames "
                              "and look as sharp; every current browser shows them."));
    zoom_ = new QSpinBox(format);
    zoom_->setRange(0, 10000);
    zoom_->setSingleStep(100);
    zoom_->setSuffix(tr(" px"));
    zoom_->setSpecialValueText(tr("None"));
    addToolTip(zoom_, tr("Also saves large frames this wide in the frame folder's "
                         "zoom folder, made from the photos, for zooming and sharp "
                         "screens. 0 = none."));
    auto* formatLayout = new QVBoxLayout(format);
    formatLayout->addWidget(jpg_);
    // The two names stay the same in every language: one row holds them.
    auto* otherFormats = new QHBoxLayout;
    otherFormats->addWidget(pngRadio_);
    otherFormats->addWidget(webpRadio_);
    otherFormats->addStretch(1);
    formatLayout->addLayout(otherFormats);
    formatLayout->addLayout(labelledRow(tr("Zoom frames"), zoom_, format));
    layout->addWidget(format);

    auto* spin = new QGroupBox(tr("Spin"), panel);
    autoSpin_ = new QCheckBox(tr("Auto Spin"), spin);
    left_ = new QToolButton(spin);
    right_ = new QToolButton(spin);
    for (QToolButton* b : {left_, right_}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setIconSize(QSize(40, 24));
    }
    left_->setIcon(arrowIcon(arrowLeft_));
    right_->setIcon(arrowIcon(arrowRight_));
    addToolTip(left_, tr("Spin to the left"));
    addToolTip(right_, tr("Spin to the right"));
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(left_);
    arrows->addWidget(right_);
    arrows->addStretch(1);
    rate_ = new QSlider(Qt::Horizontal, spin);
    rate_->setRange(RateSlider::kMinimum, RateSlider::kMaximum);
    rate_->setPageStep(RateSlider::kPageSize);
    rate_->setTickInterval(10);
    rate_->setTickPosition(QSlider::TicksBelow);
    auto* spinLayout = new QVBoxLayout(spin);
    spinLayout->addWidget(autoSpin_);
    spinLayout->addLayout(arrows);
    spinLayout->addLayout(labelledRow(tr("Rate"), rate_, spin));
    layout->addWidget(spin);

    saveAs_ = panelButton(tr("Save As..."), panel);
    browser_ = panelButton(tr("Preview in Browser"), panel);
    clipboard_ = panelButton(tr("Copy to Clipboard"), panel);
    upload_ = panelButton(tr("Upload to Web"), panel);
    layout->addWidget(saveAs_);
    layout->addWidget(makeAnimationButton(panel));
    for (QPushButton* b : {browser_, clipboard_, upload_}) layout->addWidget(b);
    addFramePackChoice(panel, layout);
    layout->addStretch(1);
    status_ = new QLabel(panel);
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().height() * 3);
    layout->addWidget(status_);
    auto* help = panelButton(tr("Help..."), panel);
    layout->addWidget(help);

    setMouseTracking(true);
    // The panel's controls need their height: the page (and with it the
    // wizard) is no lower than that, rather than squeezing their texts.
    setMinimumHeight(panel->minimumSizeHint().height());
    spinTimer_.setObjectName(QStringLiteral("spinTimer"));

    connect(jpg_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) format_ = FrameFormat::Jpeg;
    });
    connect(pngRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) format_ = FrameFormat::Png;
    });
    connect(webpRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) format_ = FrameFormat::WebP;
    });
    // The note on the switch from JPG is answered once the user chooses.
    connect(webpRadio_, &QRadioButton::clicked, this, [this] {
        if (status_->text() == tr(kNoTransparentJpg)) status_->clear();
    });
    connect(zoom_, &QSpinBox::valueChanged, this, [this](int width) { zoomWidth_ = width; });
    connect(autoSpin_, &QCheckBox::toggled, this, &CSaveDlg::setAutoSpin);
    connect(left_, &QToolButton::clicked, this, [this] { setDirection(false); });
    connect(right_, &QToolButton::clicked, this, [this] { setDirection(true); });
    connect(rate_, &QSlider::valueChanged, this, &CSaveDlg::rateChanged);
    connect(saveAs_, &QPushButton::clicked, this, [this] { saveAs(); });
    connect(browser_, &QPushButton::clicked, this, &CSaveDlg::previewInBrowser);
    connect(clipboard_, &QPushButton::clicked, this, &CSaveDlg::copyToClipboard);
    connect(upload_, &QPushButton::clicked, this, &CSaveDlg::upload);
    connect(help, &QPushButton::clicked, this,
            [this] { helpOpener_.openHelpTopic(this, helpTopic()); });
    connect(&spinTimer_, &QTimer::timeout, this, [this] { step(interval_ > 0 ? 1 : -1); });
}

CSaveDlg::~CSaveDlg() = default;

void CSaveDlg::onSetActive() {
    navigation().setEnabledButtons(WizardNavigation::kBack | WizardNavigation::kFinish);
    position_ = project().startImage();
    {
        const QSignalBlocker blockRate(rate_);
        const QSignalBlocker blockSpin(autoSpin_);
        rate_->setValue(RateSlider::positionFor(interval_));
        autoSpin_->setChecked(autoSpinOn_);
        left_->setChecked(interval_ < 0);
        right_->setChecked(interval_ >= 0);
    }
    // What the status line says of the last save is void once the photos changed.
    if (project().photoChanges() != statusPhotoChanges_) status_->clear();
    showFormat();
    updateButtons();
    composeStill();
    if (autoSpinOn_) restartSpinTimer();
}

// JPEG cannot carry a transparent background: with one, PNG or WebP it is.
void CSaveDlg::showFormat() {
    const bool transparent = project().settings().transparent();
    const bool switched = transparent && format_ == FrameFormat::Jpeg;
    if (switched) format_ = FrameFormat::Png;
    const QSignalBlocker blockJpg(jpg_);
    const QSignalBlocker blockPng(pngRadio_);
    const QSignalBlocker blockWebp(webpRadio_);
    const QSignalBlocker blockZoom(zoom_);
    jpg_->setEnabled(!transparent);
    jpg_->setToolTip(transparent ? tr("JPG frames cannot carry the transparent "
                                      "background chosen on the Edit page.")
                                 : QString());
    jpg_->setChecked(format_ == FrameFormat::Jpeg);
    pngRadio_->setChecked(format_ == FrameFormat::Png);
    webpRadio_->setChecked(format_ == FrameFormat::WebP);
    zoom_->setValue(zoomWidth_);
    if (switched) status_->setText(tr(kNoTransparentJpg));
}

void CSaveDlg::onKillActive() {
    spinTimer_.stop();
}

bool CSaveDlg::onWizardFinish() {
    if (project().saved || project().photoCount() == 0) return true;
    return saveAs();
}

void CSaveDlg::updateButtons() {
    const bool saved = project().saved;
    saveAs_->setEnabled(project().photoCount() > 0);
    browser_->setEnabled(saved);
    upload_->setEnabled(saved);
    pack_->setEnabled(project().photoCount() > 0);
    clipboard_->setEnabled(true);
    left_->setEnabled(autoSpinOn_);
    right_->setEnabled(autoSpinOn_);
}

void CSaveDlg::composeStill() {
    ProjectFrames frames(project());
    writer_->updateStillImage(frames);
    showImage(writer_->stillImage());
}

void CSaveDlg::showImage(const RasterImage* image) {
    shown_ = image ? toQImage(*image) : QImage();
    placePreview();
    update();
}

int CSaveDlg::panelWidth() const {
    return panelWidth_;
}

void CSaveDlg::placePreview() {
    const ring::Point o =
        ring::previewOrigin(panelWidth(), width(), height(), {shown_.width(), shown_.height()});
    previewOrigin_ = QPoint(o.x, o.y);
}

void CSaveDlg::step(int k) {
    Project& p = project();
    const int n = p.photoCount();
    if (n == 0) return;
    // In rows the preview turns round the row it shows.
    const int f = p.spinRows().turned(position_, k, p.reverseSpin);
    if (f == position_) return;
    position_ = f;
    // A photo whose source is still being decoded again shows a quick frame.
    showImage(p.shownOutputImage(f - 1, p.settings()));
}

void CSaveDlg::setAutoSpin(bool on) {
    autoSpinOn_ = on;
    if (autoSpin_->isChecked() != on) {
        const QSignalBlocker block(autoSpin_);
        autoSpin_->setChecked(on);
    }
    if (on)
        restartSpinTimer();
    else
        spinTimer_.stop();
    updateButtons();
}

void CSaveDlg::restartSpinTimer() {
    spinTimer_.start(std::max(1, std::abs(interval_)));
}

void CSaveDlg::rateChanged(int position) {
    interval_ = RateSlider::intervalFor(position, interval_);
    if (autoSpinOn_) restartSpinTimer();
}

void CSaveDlg::setDirection(bool forward) {
    const int magnitude = std::max(1, std::abs(interval_));
    interval_ = forward ? magnitude : -magnitude;
    left_->setChecked(!forward);
    right_->setChecked(forward);
}

bool CSaveDlg::saveAs() {
    Project& p = project();
    if (p.photoCount() == 0) return false;
    const QString chosen = DialogSeam::instance().saveFile(
        this, tr("Save As"), {tr("HTML Files (*.htm *.HTM)"), tr("All Files (*)")},
        QStringLiteral("htm"));
    if (chosen.isEmpty()) return false;
    const SaveTarget target = SaveTarget::fromChosenPath(chosen.toStdString());
    SaveOptions options;
    options.format = format_;
    options.zoomWidth = zoomWidth_;
    options.autoSpinOn = autoSpinOn_;
    options.autoSpinInterval = interval_;
    options.animation = animation_;
    std::string reason;
    // Events are processed between frames to repaint the progress; the
    // window takes no input meanwhile.
    window()->setEnabled(false);
    ProjectFrames frames(p);
    const PngEncodeThreadsForBatch bothCores;  // no scan runs beside a save
    const bool ok = writer_->write(frames, target, options, reason, [this](int written, int count) {
        status_->setText(tr("Saving frame %1 of %2...").arg(written).arg(count));
        QCoreApplication::processEvents();
    });
    window()->setEnabled(true);
    pagePath_ = target.pagePath();
    // A set with a missing file is not saved: Finish must not end the
    // program as if it were.
    p.saved = ok;
    updateButtons();
    composeStill();
    statusPhotoChanges_ = p.photoChanges();
    if (!ok) {
        status_->setText(tr("Saving failed."));
        DialogSeam::instance().warning(
            this, tr("The rotatable image could not be saved completely.\n\n%1")
                      .arg(QString::fromStdString(reason)));
        return false;
    }
    savedSet_ = UploadSet{target.outputFolder(),
                          target.stem(),
                          p.photoCount(),
                          options.format,
                          writer_->lastPage().zoomWidth > 0,
                          writer_->animationsWritten()};
    QString saved =
        tr("Saved %1 frames to %2").arg(p.photoCount()).arg(QString::fromStdString(pagePath_));
    for (const std::string& name : writer_->animationsWritten())
        saved += QStringLiteral(", ") + QString::fromStdString(name);
    if (const int rows = writer_->lastPage().rows; rows > 1)
        saved += tr("\n%1 rows of %2 photos.").arg(rows).arg(p.photoCount() / rows);
    for (const std::string& warning : writer_->warnings())
        saved += tr("\nNote: ") + QString::fromStdString(warning) + QLatin1Char('.');
    status_->setText(saved);
    return true;
}

void CSaveDlg::upload() {
    if (!project().saved || savedSet_.frameCount == 0) return;
    CUploadDlg dialog(uploadSettings_, savedSet_, helpOpener_, this);
    DialogSeam::instance().runDialog(dialog);
}

SnippetImage CSaveDlg::snippetImage() {
    SnippetImage image;
    const OutputPageInfo& last = writer_->lastPage();
    if (!last.frameFolderName.empty()) {
        // What was written, not what the page shows now.
        image.folder = last.frameFolderName;
        image.png = last.extension == ".png";
        image.webp = last.extension == ".webp";
        image.autoSpin = last.autoSpinValue;
        image.frames = last.frameCount;
        image.width = last.width;
        image.height = last.height;
        image.zoomWidth = last.zoomWidth;
        image.zoomHeight = last.zoomHeight;
        image.rows = last.rows;
        image.startFrame = last.startFrame;
        return image;
    }
    Project& p = project();
    image.png = format_ == FrameFormat::Png;
    image.webp = format_ == FrameFormat::WebP;
    image.autoSpin = autoSpinOn_ ? interval_ : 0;
    image.frames = p.photoCount();
    const SpinRows grid = p.spinRows();
    image.rows = grid.rows();
    image.startFrame = grid.startFrame(p.startImage());
    if (p.photoCount() > 0) {
        const ProcessingSettings& s = p.settings();
        const bool quarterTurn = s.rotation == 1 || s.rotation == 3;
        image.width = quarterTurn ? s.outputHeight : s.outputWidth;
        image.height = quarterTurn ? s.outputWidth : s.outputHeight;
    }
    return image;
}

void CSaveDlg::copyToClipboard() {
    CSnippetDlg dialog(snippetImage(), uploadSettings_, helpOpener_, this);
    DialogSeam::instance().runDialog(dialog);
}

void CSaveDlg::previewInBrowser() {
    if (!pagePath_.empty()) HelpOpener::openWebPage(this, QString::fromStdString(pagePath_));
}

void CSaveDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int left = panelWidth();
    painter.fillRect(QRect(left, 0, width() - left, height()), Qt::white);
    if (shown_.isNull()) return;
    painter.drawImage(previewOrigin_, shown_);
    painter.setPen(QColor(110, 110, 110));
    // One line in English; a longer translation wraps onto a second.
    const QRect below(left, previewOrigin_.y() + shown_.height() + 8, width() - left,
                      std::max(24, 2 * fontMetrics().lineSpacing() + 2));
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("Drag across the picture to turn it, as visitors of your page will."));
}

void CSaveDlg::mousePressEvent(QMouseEvent* event) {
    lastPos_ = event->position().toPoint();
    accumulator_ = 0;
}

void CSaveDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int dx = pos.x() - lastPos_.x();
    lastPos_ = pos;
    if (!previewRect().contains(pos)) {
        unsetCursor();
        return;
    }
    setCursor(Qt::SizeHorCursor);
    if (!(event->buttons() & Qt::LeftButton)) {
        accumulator_ = 0;
        return;
    }
    spinTimer_.stop();
    accumulator_ += dx;
    if (accumulator_ / 4 != 0) {
        step(accumulator_ / 4);
        accumulator_ = 0;
    }
}

void CSaveDlg::resizeEvent(QResizeEvent* event) {
    CWizardPage::resizeEvent(event);
    // The panel's English texts fit its width; longer translations widen it.
    panelWidth_ = widthForTexts(panel_, kPanelWidth, height(), 2 * kPanelWidth);
    placePreview();
}

}  // namespace turnpixa
