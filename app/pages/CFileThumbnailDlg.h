#pragma once
#include <QFileDialog>
#include <QStringList>
#include <memory>

class QFileIconProvider;

namespace turnpixa {

// The open dialog for photos: several files at once, existing files only,
// the picture file filters, and the file list shown as thumbnails.
class CFileThumbnailDlg : public QFileDialog {
    Q_OBJECT
public:
    explicit CFileThumbnailDlg(QWidget* parent = nullptr);
    ~CFileThumbnailDlg() override;

    // The filters in the order they are offered; both letter cases are
    // listed because file names here are case sensitive.
    static QStringList photoFilters();

private:
    std::unique_ptr<QFileIconProvider> icons_;
};

}  // namespace turnpixa
