#include "CEditDlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/CTurnPixaApp.h"
#include "app/CTurnPixaDlg.h"

namespace turnpixa {

CEditDlg::CEditDlg(CTurnPixaApp& app, QWidget* parent)
    : CWizardPage(app, QStringLiteral("Step4: Edit TurnPixa"), QStringLiteral("extra-options.htm"),
                  parent) {
    auto* note =
        new QLabel(QStringLiteral("Lightness, background removal and frame settings are not part "
                                  "of this version yet.\n\nPress Next >> to go on."),
                   this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

void CEditDlg::onSetActive() {
    app().setEnabledButtons(CTurnPixaDlg::kBack | CTurnPixaDlg::kNext);
}

}  // namespace turnpixa
