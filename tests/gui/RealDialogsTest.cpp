#include <QApplication>
#include <QFile>
#include <QLabel>
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

}  // namespace

TEST(SaveDialogName, AsksAboutTheNameThatWillBeWrittenAndComesBackOnNo) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    writeWholeFile(dir.file("shoe.html.htm"), "old");
    writeWholeFile(dir.file("boot.html"), "old");

    // The user picks "shoe.html" twice, declining the first replace question.
    QStringList picks = {folder + "/shoe.html", folder + "/shoe.html"};
    QStringList asked;
    std::vector<bool> answers = {false, true};
    const auto pick = [&picks]() { return picks.isEmpty() ? QString() : picks.takeFirst(); };
    const auto replace = [&](const QString& text) {
        asked << text;
        return answers[asked.size() - 1];
    };
    EXPECT_EQ(DialogSeam::chooseSaveName(pick, replace, "htm"), folder + "/shoe.html.htm");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "shoe.html.htm already exists.\nDo you want to replace it?");
    EXPECT_TRUE(picks.isEmpty());

    // "boot.html" exists, but "boot.html.htm" is the file to be written.
    asked.clear();
    picks = {folder + "/boot.html"};
    EXPECT_EQ(DialogSeam::chooseSaveName(pick, replace, "htm"), folder + "/boot.html.htm");
    EXPECT_TRUE(asked.isEmpty());

    // Cancelled after a no: nothing is chosen.
    answers = {false};
    picks = {folder + "/shoe.html"};
    EXPECT_EQ(DialogSeam::chooseSaveName(pick, replace, "htm"), QString());
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
