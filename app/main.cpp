#include <QApplication>

#include "app/CTurnPixaApp.h"
#include "app/ProgramIcon.h"
#include "app/StartPhotos.h"
#include "app/ToolTips.h"
#include "app/WizardLanguage.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TurnPixa"));
    QApplication::setWindowIcon(turnpixa::programIcon());
    // The language is chosen before the first window is built.
    turnpixa::useWizardLanguage(turnpixa::wizardLanguageFromEnvironment());
    QApplication::setStyle(new turnpixa::ToolTipStyle);  // the application owns it
    turnpixa::CTurnPixaApp app(QCoreApplication::applicationDirPath());
    if (!app.initInstance()) return 1;
    turnpixa::openPhotosAtStart(
        app, turnpixa::photoPathsFromArguments(QCoreApplication::arguments().mid(1)));
    app.run();
    return 0;
}
