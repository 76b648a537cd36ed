#include "CFileThumbnailDlg.h"

#include <QFileIconProvider>
#include <QImageReader>
#include <QListView>
#include <QPainter>
#include <QPixmap>

namespace turnpixa {

namespace {

constexpr int kThumbSize = 96;

// Thumbnails for pictures, the usual icons for everything else.
class ThumbnailIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        static const QStringList pictures = {"bmp", "gif", "jpg",  "jpeg",
                                             "png", "tif", "tiff", "webp"};
        if (info.isFile() && pictures.contains(info.suffix().toLower())) {
            QImageReader reader(info.absoluteFilePath());
            reader.setAutoTransform(true);
            const QSize size = reader.size();
            if (size.isValid() && size.width() > 0 && size.height() > 0)
                reader.setScaledSize(size.scaled(kThumbSize, kThumbSize, Qt::KeepAspectRatio));
            const QImage image = reader.read();
            if (!image.isNull()) {
                QPixmap square(kThumbSize, kThumbSize);
                square.fill(Qt::white);
                QPainter painter(&square);
                painter.drawImage((kThumbSize - image.width()) / 2,
                                  (kThumbSize - image.height()) / 2, image);
                return QIcon(square);
            }
        }
        return QFileIconProvider::icon(info);
    }
    using QFileIconProvider::icon;
};

}  // namespace

QStringList CFileThumbnailDlg::photoFilters() {
    return {
        tr("All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP "
           "*.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)"),
        tr("BMP Files (*.bmp *.BMP)"),
        tr("GIF Files (*.gif *.GIF)"),
        tr("Tagged Image File Format - TIFF (*.tif *.tiff *.TIF *.TIFF)"),
        tr("JPEG/JFIF (*.jpg *.jpeg *.JPG *.JPEG)"),
        tr("Portable Network Graphic (*.png *.PNG)"),
        tr("WebP (*.webp *.WEBP)"),
        tr("All Files (*)"),
    };
}

CFileThumbnailDlg::CFileThumbnailDlg(QWidget* parent) : QFileDialog(parent, tr("Open")) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, false);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters(photoFilters());
    icons_ = std::make_unique<ThumbnailIconProvider>();
    setIconProvider(icons_.get());
    // The list page of the dialog, switched to large icons: thumbnails.
    setViewMode(QFileDialog::List);
    if (auto* list = findChild<QListView*>(QStringLiteral("listView"))) {
        list->setViewMode(QListView::IconMode);
        list->setIconSize(QSize(kThumbSize, kThumbSize));
        list->setGridSize(QSize(kThumbSize + 40, kThumbSize + 36));
        list->setWordWrap(true);
        list->setResizeMode(QListView::Adjust);
    }
    resize(820, 560);
}

CFileThumbnailDlg::~CFileThumbnailDlg() = default;

}  // namespace turnpixa
