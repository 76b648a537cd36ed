#pragma once
#include <QDialog>
#include <QSize>
#include <memory>

#include "app/HelpOpener.h"

class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSlider;
class QToolButton;

namespace turnpixa {

// "Print TurnPixa Pad": printer and paper, a live preview and the number of
// photos; prints one page of the pad. The last printer entry, "PDF file",
// asks for a file name and prints there.
class CPrintPadDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSliderMin = 2, kSliderMax = 36;
    static constexpr int kUpDownMin = 2, kUpDownMax = 360;
    static const QString kPdfEntry;

    CPrintPadDlg(HelpOpener help, QWidget* parent = nullptr);
    ~CPrintPadDlg() override;

    int photos() const { return photos_; }
    int upDownValue() const { return upDown_; }
    // The page the preview stands for, in tenths of a millimetre.
    QSize pageSize() const { return page_; }

    QComboBox* printerList() const { return printers_; }
    QComboBox* paperList() const { return papers_; }
    QLineEdit* photosEdit() const { return edit_; }
    QSlider* photosSlider() const { return slider_; }
    QWidget* preview() const { return preview_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* propertiesButton() const { return properties_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // Prints one page on the chosen printer; false when it could not, and
    // the user has been told why (nothing is said when no file was chosen).
    bool print();

private:
    void choosePrinter(int index);
    void choosePaper(int index);
    void fillPapers();
    void openProperties();
    void takePageSize();
    void typed(const QString& text);
    void sliderMoved(int value);
    void stepUpDown(int delta);
    void showNumber(int n);
    bool pdfChosen() const;

    HelpOpener help_;
    std::unique_ptr<QPrinter> printer_;
    int photos_ = 18;
    int upDown_ = 18;
    QSize page_{2970, 2100};
    bool initialised_ = false;

    QComboBox* printers_ = nullptr;
    QComboBox* papers_ = nullptr;
    QPushButton* properties_ = nullptr;
    QWidget* preview_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace turnpixa
