// The Save page's frame pack choice.
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "CSaveDlg.h"
#include "app/DialogSeam.h"
#include "app/ToolTips.h"
#include "project/Project.h"
#include "web/SaveTarget.h"

namespace turnpixa {

void CSaveDlg::addFramePackChoice(QWidget* panel, QLayout* layout) {
    pack_ = new QPushButton(tr("Frame pack…"), panel);
    pack_->setAutoDefault(false);
    addToolTip(pack_, tr("Writes the frames of one turn as numbered JPEG files in a "
                         "zip file, for shops that take a spin as a set of frames."));
    layout->addWidget(pack_);
    connect(pack_, &QPushButton::clicked, this, &CSaveDlg::framePack);
}

void CSaveDlg::framePack() {
    if (project().photoCount() == 0) return;
    // Beside the set saved last, named after it.
    QString suggested;
    if (!pagePath_.empty()) {
        const SaveTarget target = SaveTarget::fromChosenPath(pagePath_);
        suggested = QString::fromStdString(target.outputFolder() + target.stem() + "-frames.zip");
    }
    spinTimer_.stop();
    CFramePackDlg dialog(project(), packChoice_, suggested, this);
    if (DialogSeam::instance().runDialog(dialog) == QDialog::Accepted &&
        !dialog.resultText().isEmpty())
        status_->setText(dialog.resultText());
    if (autoSpinOn_) restartSpinTimer();
}

}  // namespace turnpixa
