#pragma once
#include <QImage>
#include <QStringList>

#include "CViewDlg.h"
#include "app/HelpOpener.h"

class QLabel;
class QPushButton;

namespace turnpixa {

// Step 2: photos come in by browsing, by dropping files on the page or
// (later) from a scanner, and can all be removed again.
class CImportDlg : public CViewDlg {
    Q_OBJECT
public:
    CImportDlg(Project& project, WizardNavigation& navigation, HelpOpener helpOpener,
               QWidget* parent = nullptr);

    void onSetActive() override;
    void layOut(int width, int height) override;
    void photoAdded(int number) override;

    void browse();
    // Scans as one batch; returns how many pages came in.
    int acquire();
    void removeAll();
    // Loads the files in this order as one batch; returns how many loaded.
    // Files that no reader takes are listed to the user afterwards.
    int loadFiles(const QStringList& paths);

    QPushButton* browseButton() const { return browse_; }
    QPushButton* acquireButton() const { return acquire_; }
    QPushButton* removeAllButton() const { return removeAll_; }
    QPushButton* helpButton() const { return help_; }
    QLabel* instructionText() const { return instruction_; }
    QLabel* statusLine() const { return status_; }

protected:
    void paintOverRing(QPainter& painter) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showEmptyState(bool empty);
    // Starts a batch; false (with a word to the user) while another one runs.
    bool beginBatch();
    void endBatch(int photosBefore);
    // After each photo added: the first one of the project is shown at once.
    void photoLoaded();
    void showStatus(QString status);

    HelpOpener helpOpener_;
    QPushButton* browse_ = nullptr;
    QPushButton* acquire_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    QPushButton* help_ = nullptr;
    QLabel* instruction_ = nullptr;
    QLabel* status_ = nullptr;
    QImage faded_;
    bool activatedOnce_ = false;
    bool loading_ = false;
};

}  // namespace turnpixa
