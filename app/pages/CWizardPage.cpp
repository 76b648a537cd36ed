#include "CWizardPage.h"

#include <utility>

namespace turnpixa {

CWizardPage::CWizardPage(CTurnPixaApp& app, QString caption, QString helpTopic, QWidget* parent)
    : QWidget(parent), app_(app), caption_(std::move(caption)), helpTopic_(std::move(helpTopic)) {}

}  // namespace turnpixa
