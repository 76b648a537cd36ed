#pragma once
#include "CWizardPage.h"

namespace turnpixa {

// Page "Step 1 : Take Photos"; its controls come later, until then it says so.
class CTakePhotosDlg : public CWizardPage {
    Q_OBJECT
public:
    explicit CTakePhotosDlg(CTurnPixaApp& app, QWidget* parent = nullptr);
    void onSetActive() override;
};

}  // namespace turnpixa
