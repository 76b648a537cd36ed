#include "DialogSeam.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProgramIcon.h"
#include "WizardLanguage.h"
#include "devices/CScanSelectDlg.h"
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

bool DialogSeam::askTrustHostKey(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, tr("Unknown Server Key"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* trust = box.addButton(tr("Trust and Connect"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    // Enter must not trust a key by accident.
    box.setDefaultButton(cancel);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
    return box.clickedButton() == trust;
}

bool DialogSeam::askPassphrase(QWidget* parent, const QString& text, QString& answer) {
    bool ok = false;
    answer = QInputDialog::getText(parent, tr("SSH Key Passphrase"), text, QLineEdit::Password,
                                   QString(), &ok);
    return ok;
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
    // Qt adds the suffix only to names without a dot and asks about the name
    // as typed: the prompt is ours, about the name that will be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chooseSaveName(
        [&dialog]() -> QString {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
            return dialog.selectedFiles().front();
        },
        [&dialog, &caption](const QString& text) {
            return QMessageBox::warning(&dialog, caption, text, QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::No) == QMessageBox::Yes;
        },
        defaultSuffix);
}

QString DialogSeam::chooseSaveName(const std::function<QString()>& pick,
                                   const std::function<bool(const QString&)>& replace,
                                   const QString& defaultSuffix) {
    for (;;) {
        const QString picked = pick();
        if (picked.isEmpty()) return {};
        const QString name = withSuffix(picked, defaultSuffix);
        if (!QFileInfo::exists(name)) return name;
        const QString text =
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(name).fileName());
        if (replace(text)) return name;
    }
}

QString DialogSeam::withSuffix(const QString& name, const QString& suffix) {
    if (suffix.isEmpty() || name.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        return name;
    return name + QLatin1Char('.') + suffix;
}

void DialogSeam::about(QWidget* parent) {
    QDialog box(parent);
    box.setWindowTitle(tr("About TurnPixa"));
    box.setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(&box);
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel(&box);
    picture->setObjectName(QStringLiteral("programIcon"));
    picture->setPixmap(programIcon().pixmap(64, 64));
    row->addWidget(picture);
    row->addWidget(new QLabel(tr("TurnPixa Version 1.0"), &box), 1);
    layout->addLayout(row);
    // The help pages are written in English only; a user who reads the
    // wizard in another language is told so before opening them.
    if (!currentWizardLanguage().isEmpty()) {
        auto* note = new QLabel(tr("The help pages are in English."), &box);
        note->setObjectName(QStringLiteral("helpLanguageNote"));
        layout->addWidget(note);
    }
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

int DialogSeam::selectScanner(QWidget* parent, const QStringList& devices, int defaultIndex) {
    CScanSelectDlg dialog(devices, defaultIndex, parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.chosen();
}

bool DialogSeam::askRetryCancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kProduct, text,
                    QMessageBox::Retry | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Retry;
}

int DialogSeam::runDialog(QDialog& dialog) {
    return dialog.exec();
}

bool DialogSeam::chooseColour(QWidget* parent, QColor& colour, const QList<QColor>& customColours) {
    for (int i = 0; i < QColorDialog::customCount() && i < customColours.size(); ++i)
        QColorDialog::setCustomColor(i, customColours[i]);
    QColorDialog dialog(colour, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    colour = dialog.selectedColor();
    return true;
}

}  // namespace turnpixa
