#include "DialogSeam.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>

#include "pages/CFileThumbnailDlg.h"

namespace turnpixa {

namespace {

DialogSeam defaultSeam;
DialogSeam* installed = nullptr;

const QString kProduct = QStringLiteral("TurnPixa");

}  // namespace

DialogSeam& DialogSeam::instance() {
    return installed ? *installed : defaultSeam;
}

void DialogSeam::install(DialogSeam* seam) {
    installed = seam;
}

void DialogSeam::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kProduct, text, QMessageBox::Ok);
}

void DialogSeam::warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kProduct, text, QMessageBox::Ok);
}

bool DialogSeam::askOkCancel(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kProduct, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

QStringList DialogSeam::openPhotoFiles(QWidget* parent) {
    CFileThumbnailDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString DialogSeam::saveFile(QWidget* parent, const QString& caption, const QStringList& filters,
                             const QString& defaultSuffix) {
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void DialogSeam::about(QWidget* parent) {
    QDialog box(parent);
    box.setWindowTitle(QStringLiteral("About TurnPixa"));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(QStringLiteral("TurnPixa Version 1.0"), &box));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

int DialogSeam::popupMenu(QWidget* parent, QPoint globalPos, const QStringList& items) {
    QMenu menu(parent);
    for (const QString& item : items) menu.addAction(item);
    QAction* chosen = menu.exec(globalPos);
    return chosen ? static_cast<int>(menu.actions().indexOf(chosen)) : -1;
}

}  // namespace turnpixa
