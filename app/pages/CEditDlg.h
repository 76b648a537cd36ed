#pragma once
#include "CWizardPage.h"

namespace turnpixa {

// Page "Step4: Edit TurnPixa"; its controls come later, until then it says so.
class CEditDlg : public CWizardPage {
    Q_OBJECT
public:
    explicit CEditDlg(CTurnPixaApp& app, QWidget* parent = nullptr);
    void onSetActive() override;
};

}  // namespace turnpixa
