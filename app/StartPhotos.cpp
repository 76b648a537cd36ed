#include "StartPhotos.h"

#include <QFileInfo>
#include <QTimer>

#include "CTurnPixaApp.h"
#include "CTurnPixaDlg.h"
#include "pages/CImportDlg.h"

namespace turnpixa {

QStringList photoPathsFromArguments(const QStringList& arguments) {
    QStringList paths;
    for (const QString& argument : arguments) {
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) continue;
        const QFileInfo file(argument);
        if (file.isFile()) paths << file.absoluteFilePath();
    }
    return paths;
}

void openPhotosAtStart(CTurnPixaApp& app, const QStringList& paths) {
    CTurnPixaDlg* window = app.mainWindow();
    if (paths.isEmpty() || !window) return;
    // The Load page loads only while its window is shown: after exec() starts.
    QTimer::singleShot(0, window, [window, paths] {
        window->goToPage(2);
        if (auto* load = qobject_cast<CImportDlg*>(window->page(1))) load->loadFiles(paths);
    });
}

}  // namespace turnpixa
