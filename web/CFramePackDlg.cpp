#include "CFramePackDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/DialogSeam.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"

namespace turnpixa {

CFramePackDlg::CFramePackDlg(Project& project, FramePackChoice& choice, const QString& suggested,
                             QWidget* parent)
    : QDialog(parent), project_(project), choice_(choice) {
    setWindowTitle(tr("Frame Pack"));
    auto* about =
        new QLabel(tr("The frames of one turn at equal steps, made from your photos with "
                      "every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for "
                      "shops and marketplaces that take a spin as a set of numbered frames. "
                      "Each step shows the photo nearest to its angle."),
                   this);
    about->setWordWrap(true);
    about->setMinimumWidth(380);

    frames_ = new QComboBox(this);
    for (int n : kPackFrameCounts) frames_->addItem(QString::number(n), n);
    frames_->setCurrentIndex(std::max(0, frames_->findData(choice_.frames)));

    ProjectFrames shown(project_);
    width_ = new QSpinBox(this);
    width_->setRange(1, kMaxPackWidth);
    width_->setSingleStep(100);
    width_->setSuffix(tr(" px"));
    width_->setValue(choice_.width > 0 ? choice_.width : defaultPackWidth(shown));
    width_->setToolTip(
        tr("Most marketplaces show frames of 1000 to 2000 pixels "
           "with a zoom. Wider than your photos, the frames are "
           "enlarged and less sharp."));
    height_ = new QLabel(this);
    auto* size = new QHBoxLayout;
    size->addWidget(width_);
    size->addWidget(height_, 1);

    file_ = new QLineEdit(choice_.path.isEmpty() ? suggested : choice_.path, this);
    file_->setMinimumWidth(300);
    browse_ = new QPushButton(tr("Browse..."), this);
    browse_->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse_);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, choice_.frames);
    progress_->setValue(0);
    progress_->setFormat(tr("%v of %m frames"));
    progress_->setVisible(false);

    write_ = new QPushButton(tr("Write Pack"), this);
    write_->setDefault(true);
    close_ = new QPushButton(tr("Close"), this);
    close_->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(tr("Frames"), frames_);
    form->addRow(tr("Width"), size);
    form->addRow(tr("File"), fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addLayout(buttons);

    connect(frames_, &QComboBox::currentIndexChanged, this,
            [this] { choice_.frames = frames_->currentData().toInt(); });
    connect(width_, &QSpinBox::valueChanged, this, [this](int width) {
        choice_.width = width;
        showHeight();
    });
    connect(file_, &QLineEdit::textChanged, this, [this](const QString& text) {
        choice_.path = text;
        write_->setEnabled(!text.trimmed().isEmpty());
    });
    connect(browse_, &QPushButton::clicked, this, &CFramePackDlg::browse);
    connect(write_, &QPushButton::clicked, this, [this] { write(); });
    connect(close_, &QPushButton::clicked, this, &CFramePackDlg::reject);
    write_->setEnabled(!file_->text().trimmed().isEmpty());
    showHeight();
}

void CFramePackDlg::showHeight() {
    ProjectFrames frames(project_);
    const FrameSize size = packFrameSize(frames, width_->value());
    height_->setText(size.height > 0 ? tr("x %1 px").arg(size.height) : QString());
}

void CFramePackDlg::browse() {
    const QString chosen = DialogSeam::instance().saveFile(
        this, tr("Frame Pack"), {tr("Zip Files (*.zip)"), tr("All Files (*)")},
        QStringLiteral("zip"));
    if (!chosen.isEmpty()) file_->setText(chosen);
}

void CFramePackDlg::setBusy(bool busy) {
    busy_ = busy;
    for (QWidget* w :
         std::initializer_list<QWidget*>{frames_, width_, file_, browse_, write_, close_})
        w->setEnabled(!busy);
    progress_->setVisible(busy);
}

void CFramePackDlg::reject() {
    if (!busy_) QDialog::reject();
}

bool CFramePackDlg::write() {
    const QString path = DialogSeam::withSuffix(file_->text().trimmed(), QStringLiteral("zip"));
    if (path.isEmpty() || busy_) return false;
    file_->setText(path);
    FramePackOptions options;
    options.frames = frames_->currentData().toInt();
    options.width = width_->value();
    progress_->setRange(0, options.frames);
    progress_->setValue(0);
    setBusy(true);
    FramePackWriter writer;
    ProjectFrames frames(project_);
    std::string reason;
    // Events are processed between frames to show the bar; the dialog takes
    // no input meanwhile.
    const bool ok =
        writer.write(frames, path.toStdString(), options, reason, [this](int done, int) {
            progress_->setValue(done);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    setBusy(false);
    if (!ok) {
        DialogSeam::instance().warning(
            this,
            tr("The frame pack could not be written.\n\n%1").arg(QString::fromStdString(reason)));
        return false;
    }
    result_ = tr("Saved a frame pack of %1 frames (%2 x %3) to %4")
                  .arg(options.frames)
                  .arg(writer.lastSize().width)
                  .arg(writer.lastSize().height)
                  .arg(path);
    for (const std::string& warning : writer.warnings())
        result_ += tr("\nNote: ") + QString::fromStdString(warning) + QLatin1Char('.');
    accept();
    return true;
}

}  // namespace turnpixa
