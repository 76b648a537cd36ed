#pragma once
#include <QCoreApplication>
#include <QString>
#include <utility>

class QWidget;

namespace turnpixa {

// Help pages live as HTML files in a folder "TurnPixa-help" beside the
// program, or in share/turnpixa/ beside the program's bin/ folder (a system
// package), and open in the user's browser.
class HelpOpener {
    Q_DECLARE_TR_FUNCTIONS(turnpixa::HelpOpener)

public:
    static constexpr const char* kFolderName = "TurnPixa-help";

    explicit HelpOpener(QString programFolder) : programFolder_(std::move(programFolder)) {}

    QString helpFolder() const;
    const QString& programFolder() const { return programFolder_; }
    // Opens the topic ("index.htm" when empty); on failure shows where the
    // help should be and returns false.
    bool openHelpTopic(QWidget* parent, const QString& topic) const;
    // Opens an address in the browser; on failure tells the user where to go.
    static bool openWebPage(QWidget* parent, const QString& address);

private:
    QString programFolder_;
};

}  // namespace turnpixa
