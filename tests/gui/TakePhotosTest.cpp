#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "WizardFixture.h"
#include "app/pages/CTakePhotosDlg.h"
#include "devices/CPrintPadDlg.h"
#include "tests/support/RunCommand.h"

namespace turnpixa::test {
namespace {

class TakePhotos : public Wizard {
protected:
    CTakePhotosDlg& page() { return *static_cast<CTakePhotosDlg*>(dlg().page(0)); }
};

TEST_F(TakePhotos, InstructionsPictureAndButtonsFollowTheLayoutRule) {
    ASSERT_EQ(dlg().activeIndex(), 0);
    EXPECT_EQ(page().instructions()->text(),
              QString(CTakePhotosDlg::kInstructions).replace("\r\n", "\n"));
    EXPECT_EQ(page().instructions()->font().pointSize(), 18);
    for (QSize size : {QSize(900, 600), QSize(1400, 1000)}) {
        dlg().resize(size + (dlg().size() - page().size()));
        QCoreApplication::processEvents();
        const int w = page().width(), h = page().height();
        const QSize button = page().startButton()->size();
        const QPoint corner = page().picturePosition();
        EXPECT_EQ(corner.x(), 2 * (w / 50));
        EXPECT_GE(corner.y(), 2 * (h / 50));
        const TakePhotosLayout l = takePhotosLayout(w, h, button, corner);
        EXPECT_EQ(page().instructions()->geometry().top(), corner.y());
        EXPECT_EQ(page().picture()->geometry(), l.picture);
        EXPECT_EQ(l.picture.width(), std::max(w, h) / 5);
        EXPECT_EQ(page().picture()->pixmap().size(), l.picture.size());
        EXPECT_EQ(page().instructions()->geometry().left(),
                  2 * (w / 50) + std::max(button.width(), l.picture.width()));
        EXPECT_EQ(page().printButton()->geometry(), l.print);
        EXPECT_EQ(page().helpButton()->geometry().right(), w - 2 * (w / 50) - 1);
        // The bottom row is centred, my above the bottom edge.
        const QRect start = page().startButton()->geometry();
        const QRect updates = page().updatesButton()->geometry();
        EXPECT_EQ(start.bottom(), h - h / 50 - 1);
        EXPECT_EQ(updates.left() - start.right() - 1, w / 50);
        EXPECT_LE(std::abs(start.left() - (w - updates.right() - 1)), 1);
        EXPECT_EQ(page().updatesButton()->size(), button);
    }
    shoot(QStringLiteral("take-photos"));
}

TEST_F(TakePhotos, StartByLoadingPhotosActsLikeNext) {
    page().startButton()->click();
    EXPECT_EQ(dlg().activeIndex(), 1);
}

TEST_F(TakePhotos, PadDialogNumberOfPhotosAndPrintingToPdf) {
    const QString pdf = QString::fromStdString(dir.file("pad.pdf"));
    seam.saveAnswer = pdf;
    bool ran = false;
    seam.dialogAnswer = [&](QDialog& d) {
        auto* pad = qobject_cast<CPrintPadDlg*>(&d);
        if (!pad) return 0;
        ran = true;
        // Without printers the PDF entry is what there is, with A4 paper.
        EXPECT_EQ(pad->printerList()->currentText(), CPrintPadDlg::kPdfEntry);
        EXPECT_EQ(pad->photos(), 18);
        EXPECT_EQ(pad->pageSize(), QSize(2100, 2970));
        EXPECT_LT(pad->preview()->height(), pad->preview()->width());

        auto type = [&](const QString& text) {
            pad->photosEdit()->setText(text);
            emit pad->photosEdit()->textEdited(text);
        };
        type("90");
        EXPECT_EQ(pad->photos(), 90);
        EXPECT_EQ(pad->photosSlider()->value(), 36);
        EXPECT_EQ(pad->upDownValue(), 90);
        type("400");  // beyond the up-down control: it stays
        EXPECT_EQ(pad->photos(), 400);
        EXPECT_EQ(pad->upDownValue(), 90);
        type("1");
        EXPECT_EQ(pad->photos(), 1);
        EXPECT_EQ(pad->photosSlider()->value(), 2);
        for (const char* ignored : {"2147483647", "0", "abc", "-4", "12x"}) {
            type(ignored);
            EXPECT_EQ(pad->photos(), 1) << ignored;
        }
        pad->photosSlider()->setValue(24);
        EXPECT_EQ(pad->photos(), 24);
        EXPECT_EQ(pad->photosEdit()->text(), "24");
        pad->upButton()->click();
        EXPECT_EQ(pad->photos(), 25);
        EXPECT_EQ(pad->photosSlider()->value(), 25);

        pad->paperList()->setCurrentIndex(pad->paperList()->findText("Letter / ANSI A"));
        emit pad->paperList()->activated(pad->paperList()->currentIndex());
        EXPECT_EQ(pad->pageSize(), QSize(2159, 2794));

        pad->show();
        QCoreApplication::processEvents();
        const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
        if (!folder.isEmpty()) pad->grab().save(folder + "/print-pad.png");
        pad->printButton()->click();
        return 0;
    };
    page().printButton()->click();
    ASSERT_TRUE(ran);
    EXPECT_TRUE(seam.messages.isEmpty()) << seam.messages.join('|').toStdString();
    ASSERT_TRUE(std::filesystem::exists(pdf.toStdString()));
    const std::string info = runCommand("pdfinfo '" + pdf.toStdString() + "' 2>/dev/null").output;
    if (!info.empty()) {
        EXPECT_NE(info.find("TurnPixa"), std::string::npos) << info;
        EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    }
}

TEST_F(TakePhotos, PrintingIntoAFolderThatIsNotThereSaysSo) {
    seam.saveAnswer = QStringLiteral("/nonexistent-folder/pad.pdf");
    seam.dialogAnswer = [&](QDialog& d) {
        if (auto* pad = qobject_cast<CPrintPadDlg*>(&d)) {
            EXPECT_FALSE(pad->print());
        }
        return 0;
    };
    page().printButton()->click();
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(seam.messages[0].startsWith("The pad could not be printed."))
        << seam.messages[0].toStdString();
}

}  // namespace
}  // namespace turnpixa::test
