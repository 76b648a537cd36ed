#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <vector>

#include "WizardFixture.h"

namespace turnpixa::test {

namespace {

// Answers the real dialogs as they come up: each step waits for a modal
// window of its own kind, handles it and passes on to the next step.
class ModalScript {
public:
    using Step = std::function<bool(QWidget*)>;  // true once handled
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w && next_ < steps_.size() && steps_[next_](w)) ++next_;
        });
        timer_.start(10);
    }
    bool done() const { return next_ == steps_.size(); }

private:
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QTimer timer_;
};

ModalScript::Step chooseFile(const QString& path) {
    return [path](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        if (!fd || !fd->isVisible()) return false;
        fd->selectFile(path);
        QMetaObject::invokeMethod(fd, "accept", Qt::DirectConnection);
        // A dialog still listing its folder may not take the name yet: then
        // the next tick tries again.
        return !fd->isVisible();
    };
}

ModalScript::Step answer(QMessageBox::StandardButton button, QStringList* texts) {
    return [button, texts](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) return false;
        *texts << box->text();
        box->button(button)->click();
        return true;
    };
}

}  // namespace

// Disabled: Qt's own file dialog on the offscreen platform sometimes keeps
// the typed name from accept() while it still lists the folder, and the test
// then waits for ever. Run it by hand with --gtest_also_run_disabled_tests.
TEST_F(Wizard, DISABLED_SaveDialogAddsHtmToANameWithADotAndAsksAboutThatName) {
    DialogSeam real;
    const QString folder = QString::fromStdString(dir.path().string());
    QFile existing(folder + "/shoe.html.htm");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QStringList asked;
    {
        // Declined once: the dialog comes back; then replaced.
        ModalScript script({chooseFile(folder + "/shoe.html"), answer(QMessageBox::No, &asked),
                            chooseFile(folder + "/shoe.html"), answer(QMessageBox::Yes, &asked)});
        const QString chosen =
            real.saveFile(&dlg(), "Save As", {"HTML Files (*.htm *.HTM)"}, "htm");
        EXPECT_TRUE(script.done());
        EXPECT_EQ(chosen, folder + "/shoe.html.htm");
        ASSERT_EQ(asked.size(), 2);
        EXPECT_TRUE(asked[0].contains("shoe.html.htm")) << asked[0].toStdString();
    }
    asked.clear();
    {
        // "shoe.html" itself exists, but that is not the file to be written.
        QFile plain(folder + "/boot.html");
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.close();
        ModalScript script({chooseFile(folder + "/boot.html")});
        EXPECT_EQ(real.saveFile(&dlg(), "Save As", {"HTML Files (*.htm *.HTM)"}, "htm"),
                  folder + "/boot.html.htm");
        EXPECT_TRUE(asked.isEmpty());
    }
}

TEST(SaveDialogName, HtmIsAddedUnlessTheNameEndsInIt) {
    EXPECT_EQ(DialogSeam::withSuffix("a/Page.HTM", "htm"), "a/Page.HTM");
    EXPECT_EQ(DialogSeam::withSuffix("a/page", "htm"), "a/page.htm");
    EXPECT_EQ(DialogSeam::withSuffix("a/shoe.html", "htm"), "a/shoe.html.htm");
}

TEST_F(Wizard, WindowAndAboutBoxShowTheProgramIcon) {
    const QList<QSize> sizes = dlg().windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    EXPECT_FALSE(dlg().windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16).alpha() == 0);

    DialogSeam real;
    bool shown = false;
    ModalScript script({[&shown](QWidget* w) {
        auto* picture = w->findChild<QLabel*>("programIcon");
        if (!picture) return false;
        shown = !picture->pixmap().isNull() && w->windowTitle() == "About TurnPixa";
        static_cast<QDialog*>(w)->accept();
        return true;
    }});
    real.about(&dlg());
    EXPECT_TRUE(shown);
}

}  // namespace turnpixa::test
