// "Acquire..." on the Load page against SANE's test backend, the user's part
// played through the dialog seam and the scanner's own window.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include "WizardFixture.h"
#include "devices/CScanSelectDlg.h"
#include "devices/CScanSourceDlg.h"
#include "tests/support/SaneTestFolder.h"

namespace turnpixa::test {
namespace {

void configureSane(bool withTestBackend) {
    useSaneTestBackend(withTestBackend);
}

class Acquire : public Wizard {
protected:
    void SetUp() override {
        Wizard::SetUp();
        dlg().setActiveIndex(1);
        QCoreApplication::processEvents();
    }

    // Runs step(window) on the scanner's window once it is up; the script
    // ends when step returns true.
    void whenScannerWindowShows(std::function<bool(CScanSourceDlg&)> step) {
        auto* timer = new QTimer(&dlg());
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, step] {
            auto* window = dlg().findChild<CScanSourceDlg*>();
            if (window && window->isVisible() && step(*window)) timer->deleteLater();
        });
        timer->start();
    }
};

TEST_F(Acquire, FeederPagesArriveInOrderWhileTheWizardStaysPut) {
    configureSane(true);
    seam.scannerAnswer = 0;
    bool locked = false;
    whenScannerWindowShows([&](CScanSourceDlg& window) {
        const QString shots = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
        if (!shots.isEmpty()) window.grab().save(shots + "/scan-window.png");
        // While the scanner's window is up nothing may start another batch,
        // leave the page or end the program.
        locked = !importPage().acquireButton()->isEnabled() &&
                 !importPage().browseButton()->isEnabled() && !dlg().nextButton()->isEnabled() &&
                 !dlg().findChild<QTabBar*>()->isEnabled();
        dlg().setActiveIndex(3);
        dlg().close();
        locked = locked && dlg().activeIndex() == 1 && dlg().isVisible();
        QComboBox* source = window.sourceList();
        const int feeder = source->findText(QStringLiteral("Automatic Document Feeder"));
        EXPECT_GE(feeder, 0);
        source->setCurrentIndex(feeder);
        emit source->activated(feeder);
        window.scanButton()->click();
        return true;
    });
    EXPECT_EQ(importPage().acquire(), 10);
    EXPECT_TRUE(locked);
    EXPECT_EQ(seam.scannerLists,
              QStringList{QStringLiteral(
                  "Noname frontend-tester (test:0)|Noname frontend-tester (test:1)")});
    ASSERT_EQ(project().photoCount(), 10);
    EXPECT_EQ(project().photoAt(0)->name(), "Image001");
    EXPECT_EQ(project().photoAt(9)->name(), "Image010");
    EXPECT_EQ(project().currentImage, 10);
    EXPECT_EQ(dlg().findChild<CScanSourceDlg*>(), nullptr);
    EXPECT_TRUE(importPage().statusLine()->text().startsWith("10 pages scanned."));
    // The close asked for during the scan happens now.
    EXPECT_FALSE(dlg().isVisible());
}

TEST_F(Acquire, FlatbedPageThenTheWizardCarriesOn) {
    configureSane(true);
    seam.scannerAnswer = 1;
    whenScannerWindowShows([](CScanSourceDlg& window) {
        window.scanButton()->click();
        return true;
    });
    EXPECT_EQ(importPage().acquire(), 1);
    QCoreApplication::processEvents();
    shoot(QStringLiteral("load-after-scan"));
    ASSERT_EQ(project().photoCount(), 1);
    EXPECT_EQ(project().photoAt(0)->name(), "Image001");
    EXPECT_TRUE(importPage().acquireButton()->isEnabled());
    EXPECT_TRUE(importPage().removeAllButton()->isEnabled());
    EXPECT_TRUE(dlg().nextButton()->isEnabled());
    EXPECT_TRUE(dlg().findChild<QTabBar*>()->isEnabled());
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(Acquire, ClosingTheScannerWindowAddsNothing) {
    configureSane(true);
    seam.scannerAnswer = 0;
    whenScannerWindowShows([](CScanSourceDlg& window) {
        window.close();
        return true;
    });
    EXPECT_EQ(importPage().acquire(), 0);
    EXPECT_EQ(project().photoCount(), 0);
    EXPECT_EQ(dlg().findChild<CScanSourceDlg*>(), nullptr);
    EXPECT_TRUE(importPage().instructionText()->isVisible());
}

TEST_F(Acquire, CancelledSelectionOrNoDeviceAddsNothing) {
    configureSane(true);
    seam.scannerAnswer = -1;
    EXPECT_EQ(importPage().acquire(), 0);
    configureSane(false);
    seam.scannerAnswer = 0;
    EXPECT_EQ(importPage().acquire(), 0);
    ASSERT_EQ(seam.scannerLists.size(), 2);
    EXPECT_EQ(seam.scannerLists[1], QString());
    EXPECT_EQ(project().photoCount(), 0);
    EXPECT_TRUE(importPage().acquireButton()->isEnabled());
    EXPECT_TRUE(seam.messages.isEmpty());
}

TEST(ScanSelect, OffersTheDevicesOrSaysThereAreNone) {
    CScanSelectDlg some({QStringLiteral("Noname frontend-tester (test:0)"),
                         QStringLiteral("Noname frontend-tester (test:1)")},
                        1);
    EXPECT_EQ(some.chosen(), 1);
    EXPECT_TRUE(some.selectButton()->isEnabled());
    CScanSelectDlg none({}, -1);
    EXPECT_EQ(none.chosen(), -1);
    EXPECT_FALSE(none.selectButton()->isEnabled());
    const QString shots = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
    if (!shots.isEmpty()) {
        some.show();
        some.grab().save(shots + "/scan-select.png");
        none.show();
        none.grab().save(shots + "/scan-select-none.png");
    }
}

// The real dialogs behind the seam, answered as a user would.
TEST(ScanSelect, RealDialogsAnswerTheSeam) {
    DialogSeam::install(nullptr);
    int step = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* select = qobject_cast<CScanSelectDlg*>(w); select && step == 0) {
            select->list()->setCurrentRow(1);
            select->selectButton()->click();
            step = 1;
        } else if (auto* box = qobject_cast<QMessageBox*>(w); box && step == 1) {
            box->button(QMessageBox::Retry)->click();
            step = 2;
        }
    });
    timer.start(10);
    EXPECT_EQ(DialogSeam::instance().selectScanner(nullptr, {"a (test:0)", "b (test:1)"}, 0), 1);
    EXPECT_TRUE(DialogSeam::instance().askRetryCancel(
        nullptr, "The test:1 is not responding\nCheck that it is connected and turned on."));
    EXPECT_EQ(step, 2);
}

}  // namespace
}  // namespace turnpixa::test
