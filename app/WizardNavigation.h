#pragma once

namespace turnpixa {

// What a page may ask of the wizard that shows it: which of Back / Next /
// Finish the user may press, another page, the busy state of a scan and the
// end of the program. The main window answers.
class WizardNavigation {
public:
    static constexpr int kBack = 1;
    static constexpr int kNext = 2;
    static constexpr int kFinish = 4;

    virtual ~WizardNavigation() = default;
    // Bit 0 "<< Back", bit 1 "Next >>", bit 2 "Finish".
    virtual void setEnabledButtons(int mask) = 0;
    // 1-based; other values do nothing.
    virtual void goToPage(int n) = 0;
    // While a scanner is at work the page stays put and the window stays
    // open; a close asked for meanwhile happens when the work ends.
    virtual void setAcquiring(bool on) = 0;
    // Ends the wizard as its close box does.
    virtual void closeWizard() = 0;
};

}  // namespace turnpixa
