#pragma once
#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace turnpixa {

// Every message box and modal dialog of the wizard goes through here, so
// that tests can answer them. The default shows the real dialogs; a test
// installs its own subclass.
class DialogSeam {
    Q_DECLARE_TR_FUNCTIONS(turnpixa::DialogSeam)

public:
    virtual ~DialogSeam() = default;

    // The seam in use; install(nullptr) returns to the real dialogs. The
    // installed object is not owned.
    static DialogSeam& instance();
    static void install(DialogSeam* seam);

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text);
    // The same with the warning icon: something failed or is not as it should be.
    virtual void warning(QWidget* parent, const QString& text);
    // A question with OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget* parent, const QString& text);
    // Multi-select open dialog for photos; empty when cancelled.
    virtual QStringList openPhotoFiles(QWidget* parent);
    // Save dialog with an overwrite prompt; a name that does not end in
    // "." + defaultSuffix gets it ("shoe.html" -> "shoe.html.htm") and is
    // checked for overwriting under that name. Empty when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QStringList& filters,
                             const QString& defaultSuffix);
    // The name as saveFile gives it back.
    static QString withSuffix(const QString& name, const QString& suffix);
    // saveFile's rounds: pick() gives the name the user chose (empty when
    // cancelled); a name that exists once the suffix is on is offered to
    // replace(text), and a no sends the user back to pick again.
    static QString chooseSaveName(const std::function<QString()>& pick,
                                  const std::function<bool(const QString&)>& replace,
                                  const QString& defaultSuffix);
    virtual void about(QWidget* parent);
    // A popup menu at a global position; the index chosen, -1 for none.
    virtual int popupMenu(QWidget* parent, QPoint globalPos, const QStringList& items);
    // The scanner and camera selection: an index into devices, -1 when
    // cancelled (or when there is nothing to choose).
    virtual int selectScanner(QWidget* parent, const QStringList& devices, int defaultIndex);
    // A question with Retry and Cancel and an information icon; true for Retry.
    virtual bool askRetryCancel(QWidget* parent, const QString& text);
    // A server whose key is not known yet: true when the user trusts it.
    virtual bool askTrustHostKey(QWidget* parent, const QString& text);
    // A passphrase, typed hidden; false when the user gives none.
    virtual bool askPassphrase(QWidget* parent, const QString& text, QString& answer);
    // Runs one of the program's own modal dialogs (or a Qt one such as the
    // page setup); the dialog's result code.
    virtual int runDialog(QDialog& dialog);
    // Qt's own colour chooser starting at `colour`, with the given custom
    // colours (up to 16); true with the choice when the user confirms.
    virtual bool chooseColour(QWidget* parent, QColor& colour, const QList<QColor>& customColours);
};

}  // namespace turnpixa
