#pragma once
#include "CWizardPage.h"

namespace turnpixa {

// Page "Step3: Size TurnPixa"; its controls come later, until then it says so.
class CSizeDlg : public CWizardPage {
    Q_OBJECT
public:
    explicit CSizeDlg(CTurnPixaApp& app, QWidget* parent = nullptr);
    void onSetActive() override;
};

}  // namespace turnpixa
