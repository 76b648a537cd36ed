// "Auction listing, no scripts" in the Copy To Clipboard dialog.
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "WizardFixture.h"
#include "tests/support/LocalWebServer.h"
#include "tests/web/UploadedVase.h"
#include "web/CSnippetDlg.h"

namespace turnpixa::test {
namespace {

TEST_F(Wizard, ListingCopiesTheUploadedAnimationOrSaysThereIsNone) {
    TempDir site;
    const auto server = serveUploadedVase(site);
    ASSERT_TRUE(server->running());
    app->uploadSettings().webspaceUrl = server->base();
    app->uploadSettings().webspaceSubFolder = "gallery";
    QApplication::clipboard()->setText(QStringLiteral("before"));
    dlg().setActiveIndex(4);

    bool accepted = true;
    const auto copyListing = [&](bool shoot) {
        seam.dialogAnswer = [&, shoot](QDialog& d) {
            auto& snippet = dynamic_cast<CSnippetDlg&>(d);
            snippet.nameEdit()->setText(QStringLiteral("vase"));
            if (shoot) {
                snippet.show();
                QCoreApplication::processEvents();
                const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
                if (!folder.isEmpty()) snippet.grab().save(folder + "/snippet-listing.png");
            }
            accepted = snippet.copy(CSnippetDlg::Kind::Listing);
            EXPECT_EQ(snippet.listingButton()->text(), "Auction listing, no scripts");
            return snippet.result();
        };
        savePage().clipboardButton()->click();
    };

    copyListing(true);
    EXPECT_FALSE(accepted) << "no animation: nothing offered, the dialog stays";
    ASSERT_FALSE(seam.messages.isEmpty());
    EXPECT_TRUE(seam.messages.last().contains("has no animated image"))
        << seam.messages.last().toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    std::filesystem::create_directories(site.path() / "gallery" / "vase-turnpixa");
    writeWholeFile(site.file("gallery/vase-turnpixa/spin.webp"), "RIFF");
    copyListing(false);
    EXPECT_TRUE(accepted);
    SnippetImage vase;
    vase.folder = "vase-turnpixa";
    vase.width = 320;
    vase.height = 200;
    vase.animation = "spin.webp";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              Snippets::listing(vase, server->base() + "/gallery"));
}

}  // namespace
}  // namespace turnpixa::test
