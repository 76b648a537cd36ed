#include <QApplication>

#include "app/CTurnPixaApp.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TurnPixa"));
    turnpixa::CTurnPixaApp app(QCoreApplication::applicationDirPath());
    if (!app.initInstance()) return 1;
    app.run();
    return 0;
}
