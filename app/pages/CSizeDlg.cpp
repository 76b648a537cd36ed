#include "CSizeDlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/CTurnPixaApp.h"
#include "app/CTurnPixaDlg.h"

namespace turnpixa {

CSizeDlg::CSizeDlg(CTurnPixaApp& app, QWidget* parent)
    : CWizardPage(app, QStringLiteral("Step3: Size TurnPixa"), QStringLiteral("size-options.htm"),
                  parent) {
    auto* note = new QLabel(
        QStringLiteral("Frame size, crop and rotation settings are not part of this version yet: "
                       "the frames are 400 pixels wide.\n\nPress Next >> to go on."),
        this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

void CSizeDlg::onSetActive() {
    app().setEnabledButtons(CTurnPixaDlg::kBack | CTurnPixaDlg::kNext);
}

}  // namespace turnpixa
