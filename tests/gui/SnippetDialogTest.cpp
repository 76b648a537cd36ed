#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "WizardFixture.h"
#include "tests/support/LocalWebServer.h"
#include "tests/web/UploadedVase.h"
#include "web/CSnippetDlg.h"
#include "web/OutputPage.h"
#include "web/ViewerScript.h"

namespace turnpixa::test {
namespace {

// The webspace on loopback, with one image uploaded earlier.
class SnippetDialog : public Wizard {
protected:
    void SetUp() override {
        Wizard::SetUp();
        server = serveUploadedVase(site);
        ASSERT_TRUE(server->running());
        app->uploadSettings().webspaceUrl = server->base() + "/";
        app->uploadSettings().webspaceSubFolder = "/htdocs/gallery/";
        QApplication::clipboard()->clear();
    }
    // Opens the dialog from the Save page; act runs inside it.
    void openDialog(const std::function<void(CSnippetDlg&)>& act) {
        seam.dialogAnswer = [&](QDialog& d) {
            auto& snippet = dynamic_cast<CSnippetDlg&>(d);
            act(snippet);
            return snippet.result();
        };
        savePage().clipboardButton()->click();
    }
    void saveShoe() {
        loadPhotos(4);
        dlg().setActiveIndex(4);
        QDir().mkpath(QString::fromStdString(dir.file("out")));
        seam.saveAnswer = QString::fromStdString(dir.file("out/shoe"));
        savePage().saveAsButton()->click();
        ASSERT_TRUE(project().saved);
    }
    std::string base() const { return server->base() + "/gallery"; }

    TempDir site;
    std::unique_ptr<LocalWebServer> server;
};

TEST_F(SnippetDialog, RightAfterASaveCopiesTheSavedSetWithoutARequest) {
    saveShoe();
    // Choices made after the save do not change what was written.
    savePage().pngButton()->click();
    savePage().autoSpinBox()->click();
    SnippetImage saved;
    openDialog([&](CSnippetDlg& d) {
        EXPECT_EQ(d.nameEdit()->text(), "shoe");
        EXPECT_TRUE(d.firstBox()->isChecked());
        saved = d.image();
        d.show();
        QCoreApplication::processEvents();
        const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
        if (!folder.isEmpty()) d.grab().save(folder + "/snippet-dialog.png");
        d.webpageButton()->click();
    });
    EXPECT_EQ(saved.folder, "shoe-turnpixa");
    EXPECT_FALSE(saved.png);
    EXPECT_EQ(saved.autoSpin, 0);
    EXPECT_EQ(saved.frames, 4);
    EXPECT_GT(saved.width, 0);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              Snippets::webpage(saved, base(), true));
    EXPECT_EQ(server->requests(), "");
    EXPECT_TRUE(seam.messages.isEmpty());
    // OK keeps the cleaned entries.
    EXPECT_EQ(app->uploadSettings().webspaceUrl, server->base());
    EXPECT_EQ(app->uploadSettings().webspaceSubFolder, "gallery");
}

TEST_F(SnippetDialog, AnEarlierUploadIsReadFromItsPage) {
    saveShoe();
    openDialog([&](CSnippetDlg& d) {
        d.nameEdit()->setText("vase");
        d.firstBox()->setChecked(false);
        d.ebayButton()->click();
    });
    SnippetImage vase;
    vase.folder = "vase-turnpixa";
    vase.png = true;
    vase.autoSpin = -150;
    vase.frames = 24;
    vase.width = 320;
    vase.height = 200;
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              Snippets::ebay(vase, base(), ViewerScript::inlineForm(), false));
    EXPECT_EQ(server->requests(), "/gallery/vase.htm\n");
}

TEST_F(SnippetDialog, EmptyNameAsksAndAMissingPageWarnsButStillCopies) {
    bool accepted = true;
    openDialog([&](CSnippetDlg& d) {
        EXPECT_EQ(d.nameEdit()->text(), "");  // nothing saved yet
        EXPECT_FALSE(d.copy(CSnippetDlg::Kind::IFrame));
        accepted = d.result() == QDialog::Accepted;
        d.nameEdit()->setText("teapot");
        d.iframeButton()->click();
    });
    EXPECT_FALSE(accepted);
    ASSERT_EQ(seam.messages.size(), 2);
    EXPECT_EQ(seam.messages[0], "Please enter the name of a previously uploaded TurnPixa image");
    EXPECT_TRUE(seam.messages[1].startsWith("Can't find a TurnPixa image called \"teapot\" at\n" +
                                            QString::fromStdString(server->base()) + "/\n"))
        << seam.messages[1].toStdString();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        QString::fromStdString("<iframe src='" + base() + "/teapot.htm' width='0' height='0'")));
}

}  // namespace
}  // namespace turnpixa::test
