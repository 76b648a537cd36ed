#include "HelpOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "DialogSeam.h"

namespace turnpixa {

QString HelpOpener::helpFolder() const {
    const QString beside = QDir(programFolder_).filePath(QString::fromLatin1(kFolderName));
    // A system package keeps programs in bin/ and their data in share/.
    const QString shared = QDir::cleanPath(
        QDir(programFolder_).filePath(QStringLiteral("../share/turnpixa/") + kFolderName));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(shared)) return shared;
    return beside;
}

bool HelpOpener::openHelpTopic(QWidget* parent, const QString& topic) const {
    const QString page =
        QDir(helpFolder()).filePath(topic.isEmpty() ? QStringLiteral("index.htm") : topic);
    if (QFileInfo::exists(page) && QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        return true;
    DialogSeam::instance().warning(parent,
                                   tr("Unable to find the help file: %1\n\nIt should be in the "
                                      "installation folder:\n%2")
                                       .arg(QString::fromLatin1(kFolderName), programFolder_));
    return false;
}

bool HelpOpener::openWebPage(QWidget* parent, const QString& address) {
    QUrl url = QUrl::fromUserInput(address);
    if (url.isValid() && QDesktopServices::openUrl(url)) return true;
    DialogSeam::instance().warning(
        parent,
        tr("Unable to open the web page in your Browser.\nPlease point your web browser to:\n%1")
            .arg(address));
    return false;
}

}  // namespace turnpixa
