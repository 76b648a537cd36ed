#pragma once
#include <QDialog>
#include <QString>

#include "web/FramePack.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace turnpixa {

class Project;

// What the frame pack dialog was last given, kept by the Save page for the
// run of the wizard.
struct FramePackChoice {
    int frames = kDefaultPackFrames;
    int width = 0;  // 0: the pack's default width for the photos
    QString path;
};

// "Frame pack…": frames, width and file of a frame pack, written with a
// progress bar. A failure is shown naming the file and why, and the dialog
// stays open; a pack written closes it with OK.
class CFramePackDlg : public QDialog {
    Q_OBJECT
public:
    // suggested: the file offered when none was chosen yet (may be empty).
    CFramePackDlg(Project& project, FramePackChoice& choice, const QString& suggested,
                  QWidget* parent = nullptr);

    // Writes the pack as the dialog says; true when it was written.
    bool write();
    // "Saved a frame pack of ..." with any warnings, after a write.
    const QString& resultText() const { return result_; }

    QComboBox* framesBox() const { return frames_; }
    QSpinBox* widthBox() const { return width_; }
    QLabel* heightLabel() const { return height_; }
    QLineEdit* fileEdit() const { return file_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* writeButton() const { return write_; }
    QProgressBar* progressBar() const { return progress_; }

    void reject() override;  // not while the pack is written

private:
    void browse();
    void showHeight();
    void setBusy(bool busy);

    Project& project_;
    FramePackChoice& choice_;
    bool busy_ = false;
    QString result_;
    QComboBox* frames_ = nullptr;
    QSpinBox* width_ = nullptr;
    QLabel* height_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* close_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace turnpixa
