#include "CPrintPadDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <charconv>

#include "app/DialogSeam.h"
#include "devices/PadGeometry.h"
#include "devices/PadPrinter.h"

namespace turnpixa {

const QString CPrintPadDlg::kPdfEntry =
    QString::fromUtf8(QT_TRANSLATE_NOOP("turnpixa::CPrintPadDlg", "PDF file"));

namespace {

constexpr int kPreviewWidth = 320;

// The preview: the same drawing as the printed page, on the widget.
class PadPreview : public QWidget {
public:
    PadPreview(const QSize& page, const int& photos, QWidget* parent)
        : QWidget(parent), page_(page), photos_(photos) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintPad(painter, rect(), page_, photos_);
    }

private:
    const QSize& page_;
    const int& photos_;
};

// Paper sizes offered for a PDF file.
const QPageSize::PageSizeId kPdfPapers[] = {QPageSize::A4,     QPageSize::Letter, QPageSize::A3,
                                            QPageSize::A5,     QPageSize::Legal,  QPageSize::B5,
                                            QPageSize::Tabloid};

}  // namespace

CPrintPadDlg::CPrintPadDlg(HelpOpener help, QWidget* parent)
    : QDialog(parent), help_(std::move(help)), printer_(std::make_unique<QPrinter>()) {
    setWindowTitle(tr("Print TurnPixa Pad"));
    printer_->setPageOrientation(QPageLayout::Portrait);

    printers_ = new QComboBox(this);
    papers_ = new QComboBox(this);
    properties_ = new QPushButton(tr("Printer Properties..."), this);
    preview_ = new PadPreview(page_, photos_, this);
    preview_->setObjectName(QStringLiteral("padPreview"));
    preview_->setFixedWidth(kPreviewWidth);
    edit_ = new QLineEdit(QString::number(photos_), this);
    edit_->setMaximumWidth(60);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(kSliderMin, kSliderMax);
    slider_->setPageStep(1);
    slider_->setValue(photos_);
    print_ = new QPushButton(tr("Print"), this);
    print_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* helpButton = new QPushButton(tr("Help..."), this);
    for (QPushButton* b : {properties_, print_, cancel, helpButton}) b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Printer:"), this), 0, 0);
    grid->addWidget(printers_, 0, 1);
    grid->addWidget(new QLabel(tr("Paper size:"), this), 1, 0);
    grid->addWidget(papers_, 1, 1);
    grid->addWidget(properties_, 2, 1, Qt::AlignLeft);
    auto* number = new QHBoxLayout;
    number->addWidget(new QLabel(tr("Number of photos:"), this));
    number->addWidget(edit_);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    number->addLayout(arrows);
    number->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton);
    buttons->addStretch(1);
    buttons->addWidget(print_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addLayout(number);
    layout->addWidget(slider_);
    layout->addLayout(buttons);

    // The printers the system knows, the default one selected; "PDF file"
    // is always there, so a machine without printers can still make a pad.
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers_->addItems(names);
    printers_->addItem(tr(kPdfEntry.toUtf8().constData()));
    const int defaultIndex = static_cast<int>(names.indexOf(QPrinterInfo::defaultPrinterName()));
    printers_->setCurrentIndex(defaultIndex >= 0 ? defaultIndex : 0);
    choosePrinter(printers_->currentIndex());

    connect(printers_, &QComboBox::activated, this, &CPrintPadDlg::choosePrinter);
    connect(papers_, &QComboBox::activated, this, &CPrintPadDlg::choosePaper);
    connect(properties_, &QPushButton::clicked, this, &CPrintPadDlg::openProperties);
    connect(edit_, &QLineEdit::textEdited, this, &CPrintPadDlg::typed);
    connect(slider_, &QSlider::valueChanged, this, &CPrintPadDlg::sliderMoved);
    connect(up_, &QToolButton::clicked, this, [this] { stepUpDown(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepUpDown(-1); });
    connect(print_, &QPushButton::clicked, this, [this] { print(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { help_.openHelpTopic(this, QStringLiteral("print-turnpixa-pad.htm")); });
    initialised_ = true;
}

CPrintPadDlg::~CPrintPadDlg() = default;

bool CPrintPadDlg::pdfChosen() const {
    // The entry comes after the printers.
    return printers_->currentIndex() == printers_->count() - 1;
}

void CPrintPadDlg::choosePrinter(int index) {
    if (index < 0) return;
    const QPageSize keep = printer_->pageLayout().pageSize();
    if (pdfChosen()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setPrinterName(printers_->itemText(index));
    }
    // The dialog's choices carry over to the new printer.
    if (keep.isValid()) printer_->setPageSize(keep);
    printer_->setPageOrientation(QPageLayout::Portrait);
    fillPapers();
    takePageSize();
}

void CPrintPadDlg::fillPapers() {
    papers_->clear();
    QList<QPageSize> sizes;
    if (pdfChosen()) {
        for (QPageSize::PageSizeId id : kPdfPapers) sizes << QPageSize(id);
    } else {
        sizes = QPrinterInfo::printerInfo(printer_->printerName()).supportedPageSizes();
    }
    const QPageSize current = printer_->pageLayout().pageSize();
    int selected = 0;
    for (const QPageSize& size : sizes) {
        if (size.isEquivalentTo(current)) selected = papers_->count();
        papers_->addItem(size.name(), QVariant::fromValue(size));
    }
    if (papers_->count() > 0) {
        papers_->setCurrentIndex(selected);
        printer_->setPageSize(papers_->itemData(selected).value<QPageSize>());
    }
}

void CPrintPadDlg::choosePaper(int index) {
    if (index < 0) return;
    printer_->setPageSize(papers_->itemData(index).value<QPageSize>());
    takePageSize();
}

void CPrintPadDlg::openProperties() {
    QPageSetupDialog dialog(printer_.get(), this);
    if (DialogSeam::instance().runDialog(dialog) != QDialog::Accepted) return;
    fillPapers();
    takePageSize();
}

void CPrintPadDlg::takePageSize() {
    const QRectF mm = printer_->pageLayout().fullRect(QPageLayout::Millimeter);
    const QSize tenths(qRound(mm.width() * 10), qRound(mm.height() * 10));
    // A printer that reports no paper keeps the last size: nothing to divide by.
    if (!tenths.isEmpty()) page_ = tenths;
    const int longer = std::max(page_.width(), page_.height());
    const int shorter = std::min(page_.width(), page_.height());
    preview_->setFixedHeight(qRound(double(kPreviewWidth) * shorter / longer));
    if (initialised_) preview_->update();
}

void CPrintPadDlg::typed(const QString& text) {
    const QByteArray digits = text.trimmed().toLatin1();
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) return;
    // More lines than this would fill the pad solid and take long to draw.
    if (n < kPadMinPhotos || n > kPadMaxPhotos) return;
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(std::clamp(n, kSliderMin, kSliderMax));
    }
    if (n >= kUpDownMin && n <= kUpDownMax) upDown_ = n;
    photos_ = n;
    preview_->update();
}

void CPrintPadDlg::sliderMoved(int value) {
    upDown_ = value;
    showNumber(value);
}

void CPrintPadDlg::stepUpDown(int delta) {
    const int next = std::clamp(upDown_ + delta, kUpDownMin, kUpDownMax);
    upDown_ = next;
    {
        const QSignalBlocker block(slider_);
        slider_->setValue(std::clamp(next, kSliderMin, kSliderMax));
    }
    showNumber(next);
}

void CPrintPadDlg::showNumber(int n) {
    edit_->setText(QString::number(n));
    photos_ = n;
    preview_->update();
}

bool CPrintPadDlg::print() {
    if (pdfChosen()) {
        const QString file = DialogSeam::instance().saveFile(
            this, tr("Print to PDF file"), {tr("PDF Files (*.pdf)")}, QStringLiteral("pdf"));
        if (file.isEmpty()) return false;
        printer_->setOutputFileName(file);
    }
    printer_->setDocName(QStringLiteral("TurnPixa"));
    printer_->setFullPage(true);
    QString reason;
    if (!printPadPage(*printer_, photos_, reason)) {
        DialogSeam::instance().message(this, tr("The pad could not be printed.\n\n%1").arg(reason));
        return false;
    }
    return true;
}

}  // namespace turnpixa
