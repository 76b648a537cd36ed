// The Save page's animated pictures: the choice and writing them at once.
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

#include "CAnimationDlg.h"
#include "CSaveDlg.h"
#include "app/DialogSeam.h"
#include "app/ToolTips.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "web/SaveTarget.h"

namespace turnpixa {

namespace {

QString sizeText(std::size_t bytes) {
    if (bytes >= 1000 * 1000)
        return QCoreApplication::translate("turnpixa::CSaveDlg", "%1 MB")
            .arg(QLocale().toString(static_cast<double>(bytes) / 1e6, 'f', 1));
    return QCoreApplication::translate("turnpixa::CSaveDlg", "%1 KB")
        .arg(QLocale().toString(static_cast<qulonglong>((bytes + 500) / 1000)));
}

}  // namespace

QPushButton* CSaveDlg::makeAnimationButton(QWidget* panel) {
    animationButton_ = new QPushButton(tr("Animated image..."), panel);
    animationButton_->setAutoDefault(false);
    addToolTip(animationButton_,
               tr("Also writes an animated GIF or WebP of the spin into the frame "
                  "folder, for listings and pages that take no scripts."));
    connect(animationButton_, &QPushButton::clicked, this, &CSaveDlg::chooseAnimation);
    return animationButton_;
}

void CSaveDlg::chooseAnimation() {
    Project& p = project();
    ProjectFrames frames(p);
    const int frameWidth = p.photoCount() > 0 ? frames.shownSize().width : 400;
    const bool saved = p.saved && !pagePath_.empty();
    CAnimationDlg dialog(animation_, frameWidth, autoSpinOn_ ? interval_ : 0, saved, this);
    if (DialogSeam::instance().runDialog(dialog) != QDialog::Accepted) return;
    animation_ = dialog.request();
    if (animation_.empty()) {
        savedSet_.animations.clear();
        status_->setText(tr("No animated image is written from now on."));
        return;
    }
    if (!saved) {
        status_->setText(tr("The animated image is written with the next save."));
        return;
    }
    writeAnimationNow();
}

bool CSaveDlg::writeAnimationNow() {
    Project& p = project();
    const SaveTarget target = SaveTarget::fromChosenPath(pagePath_);
    status_->setText(tr("Making the animated image..."));
    window()->setEnabled(false);
    QCoreApplication::processEvents();
    ProjectFrames frames(p);
    std::vector<AnimationFile> files;
    std::vector<std::string> notes;
    std::string reason;
    bool ok =
        makeSpinAnimations(frames, animation_, files, reason, &notes, [this](int done, int count) {
            status_->setText(tr("Making the animated image: frame %1 "
                                "of %2...")
                                 .arg(done)
                                 .arg(count));
            QCoreApplication::processEvents();
        });
    QStringList written;
    std::vector<std::string> names;
    for (const AnimationFile& file : files) {
        const std::string name = animationFileName(file.format);
        if (!writeWholeFile(target.frameFolderPath() + name, file.bytes, reason)) {
            ok = false;
            break;
        }
        names.push_back(name);
        written << QStringLiteral("%1 (%2)").arg(QString::fromStdString(name),
                                                 sizeText(file.bytes.size()));
    }
    window()->setEnabled(true);
    // What is in the frame folder now goes up with the set.
    for (const std::string& name : names)
        if (std::find(savedSet_.animations.begin(), savedSet_.animations.end(), name) ==
            savedSet_.animations.end())
            savedSet_.animations.push_back(name);
    if (!ok) {
        status_->setText(tr("The animated image could not be written."));
        DialogSeam::instance().warning(this, tr("The animated image could not be written.\n\n%1")
                                                 .arg(QString::fromStdString(reason)));
        return false;
    }
    QString text =
        tr("Wrote %1 to %2")
            .arg(written.join(tr(" and ")), QString::fromStdString(target.frameFolderName()));
    for (const std::string& note : notes)
        text += tr("\nNote: ") + QString::fromStdString(note) + QLatin1Char('.');
    status_->setText(text);
    return true;
}

}  // namespace turnpixa
