#include "CScanSelectDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnpixa {

CScanSelectDlg::CScanSelectDlg(const QStringList& devices, int defaultIndex, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Select Source"));
    auto* layout = new QVBoxLayout(this);
    auto* label =
        new QLabel(devices.isEmpty() ? tr("No scanner or camera was found.\n\nCheck that "
                                          "it is connected and turned on, then try again.")
                                     : tr("Sources:"),
                   this);
    label->setWordWrap(true);
    layout->addWidget(label);
    list_ = new QListWidget(this);
    list_->addItems(devices);
    list_->setVisible(!devices.isEmpty());
    if (defaultIndex >= 0 && defaultIndex < devices.size()) list_->setCurrentRow(defaultIndex);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    select_ = buttons->addButton(tr("Select"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    select_->setEnabled(list_->currentRow() >= 0);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { select_->setEnabled(row >= 0); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(devices.isEmpty() ? 320 : 380, devices.isEmpty() ? 140 : 240);
}

int CScanSelectDlg::chosen() const {
    return list_->currentRow();
}

}  // namespace turnpixa
