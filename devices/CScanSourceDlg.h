#pragma once
#include <QDialog>

#include "devices/SaneSourceManager.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace turnpixa {

// The source's own window while it is enabled: which device, where the
// paper comes from, and Scan / Close. It only tells the source what the
// user pressed; the source hides it when the acquisition ends.
class CScanSourceDlg : public QDialog {
    Q_OBJECT
public:
    CScanSourceDlg(const SaneDeviceInfo& device, SourceWindowEvents& events,
                   QWidget* parent = nullptr);

    QPushButton* scanButton() const { return scan_; }
    QPushButton* closeButton() const { return close_; }
    QComboBox* sourceList() const { return source_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void sourceChosen(int index);

    SourceWindowEvents& events_;
    QComboBox* source_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* scan_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace turnpixa
