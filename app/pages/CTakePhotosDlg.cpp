#include "CTakePhotosDlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/CTurnPixaApp.h"
#include "app/CTurnPixaDlg.h"

namespace turnpixa {

CTakePhotosDlg::CTakePhotosDlg(CTurnPixaApp& app, QWidget* parent)
    : CWizardPage(app, QStringLiteral("Step 1 : Take Photos"), QStringLiteral("take-photos.htm"),
                  parent) {
    auto* note = new QLabel(
        QStringLiteral("Take a series of photos of your object on a turntable, turning it a little "
                       "between shots (see Help, F1).\n\nThe printable turntable pad is not part "
                       "of this version yet. Press Next >> to load your photos."),
        this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

void CTakePhotosDlg::onSetActive() {
    app().setEnabledButtons(CTurnPixaDlg::kNext);
}

}  // namespace turnpixa
