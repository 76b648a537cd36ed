#pragma once
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace turnpixa {

// The source manager's selection: the scanners and cameras found, one to
// pick. With none found it says so and offers only Cancel.
class CScanSelectDlg : public QDialog {
    Q_OBJECT
public:
    CScanSelectDlg(const QStringList& devices, int defaultIndex, QWidget* parent = nullptr);
    // Row chosen, -1 for none.
    int chosen() const;
    QListWidget* list() const { return list_; }
    QPushButton* selectButton() const { return select_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* select_ = nullptr;
};

}  // namespace turnpixa
