#include "CWizardPage.h"

#include <utility>

namespace turnpixa {

CWizardPage::CWizardPage(Project& project, WizardNavigation& navigation, QString caption,
                         QString helpTopic, QWidget* parent)
    : QWidget(parent),
      project_(project),
      navigation_(navigation),
      caption_(std::move(caption)),
      helpTopic_(std::move(helpTopic)) {}

}  // namespace turnpixa
