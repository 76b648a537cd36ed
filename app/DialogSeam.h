#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace turnpixa {

// Every message box and modal dialog of the wizard goes through here, so
// that tests can answer them. The default shows the real dialogs; a test
// installs its own subclass.
class DialogSeam {
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
    // Save dialog with an overwrite prompt; a name typed without an
    // extension gets defaultSuffix before the prompt. Empty when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QStringList& filters,
                             const QString& defaultSuffix);
    virtual void about(QWidget* parent);
    // A popup menu at a global position; the index chosen, -1 for none.
    virtual int popupMenu(QWidget* parent, QPoint globalPos, const QStringList& items);
};

}  // namespace turnpixa
