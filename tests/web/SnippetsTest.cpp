#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/LocalWebServer.h"
#include "tests/support/TempDir.h"
#include "tests/web/UploadedVase.h"
#include "web/OutputPage.h"
#include "web/Snippets.h"
#include "web/UploadedPage.h"
#include "web/ViewerScript.h"

namespace turnpixa {
namespace {

SnippetImage shoe() {
    SnippetImage image;
    image.folder = "shoe-turnpixa";
    image.frames = 24;
    image.autoSpin = 100;
    image.width = 320;
    image.height = 240;
    return image;
}

const std::string kBase = "http://www.example.com/~me/turnpixa";

TEST(Snippets, OrdinaryNamesGiveTheFragmentsByteForByte) {
    const std::string img =
        "<img id='shoe-turnpixa' src='http://www.example.com/~me/turnpixa/shoe-turnpixa/"
        "image.jpg' width='320' height='240' border='0'>\r\n\r\n";
    const std::string call =
        "<script language='JavaScript' type='text/javascript'>\r\n\tAddTurnPixa('shoe-turnpixa', "
        "'http://www.example.com/~me/turnpixa/shoe-turnpixa/image_', 24, 100, 0, '.jpg');\r\n"
        "</script>\r\n\r\n";
    EXPECT_EQ(Snippets::webpage(shoe(), kBase, true),
              img +
                  "<script language='JavaScript' src='http://www.example.com/~me/turnpixa/"
                  "turnpixa.js' type='text/javascript'></script>\r\n" +
                  call);
    EXPECT_EQ(Snippets::webpage(shoe(), kBase, false), img + call);
    EXPECT_EQ(Snippets::ebay(shoe(), kBase, ViewerScript::inlineForm(), false), img + call);

    const std::string inlined = Snippets::withoutParameterComment(ViewerScript::inlineForm());
    EXPECT_EQ(Snippets::ebay(shoe(), kBase, ViewerScript::inlineForm(), true),
              img + inlined + "\r\n" + call);
    // The header line, one empty line, then the code.
    EXPECT_EQ(
        inlined.rfind(std::string(ViewerScript::kOpenLine) +
                          "\r\n// JavaScript for TurnPixa\r\n\r\nvar TurnPixas = new Array;\r\n",
                      0),
        0u)
        << inlined.substr(0, 300);
    EXPECT_EQ(inlined.find("Paramters are"), std::string::npos);
    EXPECT_EQ(ViewerScript::inlineForm().size() - inlined.size(),
              ViewerScript::inlineForm().find("var TurnPixas") - inlined.find("var TurnPixas"));

    SnippetImage png = shoe();
    png.png = true;
    png.autoSpin = -150;
    EXPECT_EQ(Snippets::iframe(png, kBase),
              "<iframe src='http://www.example.com/~me/turnpixa/shoe.htm' width='320' "
              "height='240' frameborder='0' marginwidth='0' marginheight='0' scrolling='no'>\r\n"
              "\t<p>Your browser does not support iframes.</p>\r\n</iframe>\r\n");
    EXPECT_NE(Snippets::webpage(png, kBase, false).find("image_', 24, -150, 0, '.png');"),
              std::string::npos);
    EXPECT_NE(Snippets::webpage(png, kBase, false).find("/image.png' width"), std::string::npos);
}

TEST(Snippets, NamesAreEscapedForEachPlaceTheyStand) {
    SnippetImage image = shoe();
    image.folder = "O'Brien & Co-turnpixa";
    const std::string text = Snippets::webpage(image, kBase, false);
    EXPECT_NE(text.find("<img id='O&#39;Brien &amp; Co-turnpixa' src='"), std::string::npos)
        << text;
    EXPECT_NE(text.find("/O%27Brien%20%26%20Co-turnpixa/image.jpg'"), std::string::npos) << text;
    EXPECT_NE(text.find("AddTurnPixa('O\\'Brien & Co-turnpixa', '"), std::string::npos) << text;
    EXPECT_NE(text.find("/O%27Brien%20%26%20Co-turnpixa/image_', 24"), std::string::npos) << text;

    image.folder = "x'><script>alert(1)</script>-turnpixa";
    for (const std::string& t :
         {Snippets::webpage(image, kBase, true), Snippets::ebay(image, kBase, "", false),
          Snippets::iframe(image, kBase)}) {
        EXPECT_EQ(t.find("<script>alert"), std::string::npos) << t;
        EXPECT_EQ(t.find("</script>-"), std::string::npos) << t;
    }
    // A base typed with a quote cannot end the attribute either.
    EXPECT_NE(Snippets::iframe(shoe(), "http://a.b/x'y").find("src='http://a.b/x&#39;y/shoe.htm'"),
              std::string::npos);
}

TEST(Snippets, WebspaceEntriesAreCleaned) {
    EXPECT_EQ(Snippets::cleanFolder("/htdocs/gallery/"), "gallery");
    EXPECT_EQ(Snippets::cleanFolder("\\htdocs\\gallery\\2024\\"), "gallery/2024");
    EXPECT_EQ(Snippets::cleanFolder("shop"), "shop");
    EXPECT_EQ(Snippets::cleanFolder("htdocsextra/a"), "htdocsextra/a");
    EXPECT_EQ(Snippets::cleanFolder("htdocs"), "");
    EXPECT_EQ(Snippets::cleanLocation("/"), "/");
    EXPECT_EQ(Snippets::cleanLocation("http://www.example.com\\~me\\//"),
              "http://www.example.com/~me");
    EXPECT_EQ(Snippets::base("http://www.example.com/", "/htdocs/gallery/"),
              "http://www.example.com/gallery");
    EXPECT_EQ(Snippets::stemOf("shoe-turnpixa"), "shoe");
    EXPECT_EQ(Snippets::stemOf("shoe"), "shoe");
}

TEST(UploadedPage, ValuesReadBackFromAWrittenPage) {
    SnippetImage image;
    ASSERT_TRUE(Snippets::parseUploadedPage(OutputPage::text(test::uploadedVaseInfo()), image));
    EXPECT_EQ(image.frames, 24);
    EXPECT_EQ(image.autoSpin, -150);
    EXPECT_TRUE(image.png);
    EXPECT_EQ(image.width, 320);
    EXPECT_EQ(image.height, 200);
}

TEST(UploadedPage, ImageSizeInEveryQuoting) {
    for (const char* tag :
         {"<IMG id='t1' width=\"320\" height=\"240\">", "<img id='t1' width='320' height='240'>",
          "<img id='t1' width=320 height=240>"}) {
        SnippetImage image;
        const std::string page =
            std::string("<html>") + tag + "<script>AddTurnPixa('t1','a/image_',12,0,0,'.jpg')";
        ASSERT_TRUE(Snippets::parseUploadedPage(page, image)) << tag;
        EXPECT_EQ(image.width, 320) << tag;
        EXPECT_EQ(image.height, 240) << tag;
        EXPECT_FALSE(image.png);
    }
}

TEST(UploadedPage, WebpFramesAreReadBackAsWebp) {
    SnippetImage image;
    ASSERT_TRUE(Snippets::parseUploadedPage(
        "<img id='t1' width='400' height='300'>"
        "AddTurnPixa('t1','a/image_',36,0,0,'.webp',{zoomWidth:1600,zoomHeight:1200})",
        image));
    EXPECT_TRUE(image.webp);
    EXPECT_FALSE(image.png);
    EXPECT_NE(Snippets::webpage(image, "http://example.com", true).find("'.webp'"),
              std::string::npos);
}

// Large frames and rows reach the viewer through the options object after
// the six arguments, in both forms that register an image; a page that
// carries one gives it back.
TEST(Snippets, TheOptionsFollowTheSixArgumentsAndAreReadBack) {
    SnippetImage image = shoe();
    image.zoomWidth = 960;
    image.zoomHeight = 720;
    const std::string call = "24, 100, 0, '.jpg', {zoomWidth:960,zoomHeight:720});\r\n";
    EXPECT_NE(Snippets::webpage(image, kBase, true).find(call), std::string::npos);
    EXPECT_NE(Snippets::ebay(image, kBase, ViewerScript::inlineForm(), true).find(call),
              std::string::npos);
    image.rows = 3;
    EXPECT_EQ(Snippets::options(image), "{zoomWidth:960,zoomHeight:720,rows:3}");
    image.zoomWidth = 0;
    EXPECT_EQ(Snippets::options(image), "{rows:3}");
    image.rows = 1;
    EXPECT_EQ(Snippets::options(image), "");
    EXPECT_NE(Snippets::webpage(image, kBase, false).find("24, 100, 0, '.jpg');\r\n"),
              std::string::npos);

    OutputPageInfo page;
    page.frameFolderName = "vase-turnpixa";
    page.extension = ".jpg";
    page.width = 320;
    page.height = 240;
    page.frameCount = 24;
    page.zoomWidth = 1280;
    page.zoomHeight = 960;
    SnippetImage read;
    ASSERT_TRUE(Snippets::parseUploadedPage(OutputPage::text(page), read));
    EXPECT_EQ(read.zoomWidth, 1280);
    EXPECT_EQ(read.zoomHeight, 960);
    EXPECT_EQ(read.rows, 1);
    ASSERT_TRUE(Snippets::parseUploadedPage(
        "AddTurnPixa('t1','a/image_',24,0,0,'.jpg',{zoomWidth:800,zoomHeight:600,rows:3})", read));
    EXPECT_EQ(read.rows, 3);
    EXPECT_EQ(read.zoomWidth, 800);
    // Rows that do not divide the frames, a size without its other half, and
    // numbers out of range are left out; a page without options has none.
    for (const char* options : {"{rows:5}", "{zoomWidth:800}", "{zoomWidth:0,zoomHeight:600}",
                                "{rows:-3,zoomWidth:x,zoomHeight:9}"}) {
        ASSERT_TRUE(Snippets::parseUploadedPage(
            std::string("AddTurnPixa('t1','a/image_',24,0,0,'.jpg',") + options + ")", read));
        EXPECT_EQ(read.rows, 1) << options;
        EXPECT_EQ(read.zoomWidth, 0) << options;
    }
    ASSERT_TRUE(Snippets::parseUploadedPage("AddTurnPixa('t1','a/image_',24,0,0,'.jpg')", read));
    EXPECT_EQ(Snippets::options(read), "");
}

TEST(UploadedPage, UnreadablePagesKeepWhatIsKnown) {
    SnippetImage image = shoe();
    image.png = true;
    EXPECT_FALSE(Snippets::parseUploadedPage("<html>404 Not Found</html>", image));
    EXPECT_FALSE(Snippets::parseUploadedPage("AddTurnPixa('t1', 'a', 24", image));  // no ")"
    // A frame count that is not a number: the size is taken, the rest kept.
    EXPECT_FALSE(Snippets::parseUploadedPage(
        "<img id='t1' width='50' height='60'>AddTurnPixa('t1','a/image_',x24,-5,0,'.jpg')", image));
    EXPECT_EQ(image.width, 50);
    EXPECT_EQ(image.frames, 24);
    EXPECT_EQ(image.autoSpin, 100);
    EXPECT_TRUE(image.png);
    for (const char* count : {"0", "-3", "99999999999", "2147483648", ""}) {
        const std::string page = std::string("AddTurnPixa('t1','a/image_',") + count + ",0,0)";
        EXPECT_FALSE(Snippets::parseUploadedPage(page, image)) << count;
    }
    // Only the first 1023 bytes are read.
    const std::string late = std::string(1100, ' ') + "AddTurnPixa('t1','a/image_',8,0,0)";
    EXPECT_FALSE(Snippets::parseUploadedPage(late, image));
}

TEST(UploadedPage, RowsAreReadFromTheOptionsOnlyWhenTheyDivideTheFrames) {
    const auto read = [](const std::string& call, int& start) {
        SnippetImage image;
        image.rows = 7;  // whatever was known is replaced
        EXPECT_TRUE(
            Snippets::parseUploadedPage("<img id='t1'>AddTurnPixa('t1','a/image_'," + call, image))
            << call;
        start = image.startFrame;
        return image.rows;
    };
    int start = -1;
    EXPECT_EQ(read("24,0,8,'.jpg',{rows:3})", start), 3);
    EXPECT_EQ(start, 8);
    EXPECT_EQ(read("24,0,16,'.jpg',{zoomWidth:960,zoomHeight:720,rows:3})", start), 3);
    EXPECT_EQ(start, 16);
    EXPECT_EQ(read("24, 0, 4, '.jpg', { 'rows' : 6 , \"zoomWidth\":1})", start), 6);
    EXPECT_EQ(read("24,0,4,'.jpg',{\"rows\":\"2\"})", start), 1);  // a string is no count
    EXPECT_EQ(read("24,0,4,'.jpg',{rows:5})", start), 1);          // 24 photos make no 5 rows
    EXPECT_EQ(start, 0);
    EXPECT_EQ(read("24,0,4,'.jpg',{rows:48})", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg',{rows:0})", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg',{rows:3x})", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg',{zoom:{rows:3},a:'rows:2,'})", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg',[rows,3])", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg',rows)", start), 1);
    EXPECT_EQ(read("24,0,4,'.jpg')", start), 1);
    EXPECT_EQ(start, 0);                                    // no rows: the start index is not read
    EXPECT_EQ(read("24,0,30,'.jpg',{rows:3})", start), 3);  // beyond the frames
    EXPECT_EQ(start, 0);
    EXPECT_EQ(read("24,0,-1,'.jpg',{rows:3})", start), 3);
    EXPECT_EQ(start, 0);
}

TEST(Snippets, RowsGoIntoTheRegistrationAfterTheSixArguments) {
    SnippetImage image = shoe();
    image.rows = 3;
    image.startFrame = 8;
    EXPECT_NE(Snippets::webpage(image, kBase, false)
                  .find("/shoe-turnpixa/image_', 24, 100, 8, '.jpg', {rows:3});\r\n</script>"),
              std::string::npos);
    // One row: the registration as it always was.
    image.rows = 1;
    EXPECT_EQ(Snippets::ebay(image, kBase, ViewerScript::inlineForm(), true),
              Snippets::ebay(shoe(), kBase, ViewerScript::inlineForm(), true));
    EXPECT_NE(Snippets::webpage(image, kBase, false).find("', 24, 100, 0, '.jpg');"),
              std::string::npos);
}

class SnippetFetch : public ::testing::Test {
protected:
    void SetUp() override {
        server = test::serveUploadedVase(site);
        ASSERT_TRUE(server->running());
    }
    test::TempDir site;
    std::unique_ptr<test::LocalWebServer> server;
};

TEST_F(SnippetFetch, EarlierUploadIsFetchedFromTheCleanedBase) {
    SnippetImage image = shoe();
    const SnippetCheck check =
        checkSnippetEntries(server->base() + "/", "/htdocs/gallery/", "vase", image);
    EXPECT_TRUE(check.fetched);
    EXPECT_TRUE(check.found);
    EXPECT_EQ(check.base, server->base() + "/gallery");
    EXPECT_EQ(image.folder, "vase-turnpixa");
    EXPECT_EQ(image.frames, 24);
    EXPECT_EQ(image.autoSpin, -150);
    EXPECT_TRUE(image.png);
    EXPECT_EQ(image.width, 320);
    EXPECT_EQ(server->requests(), "/gallery/vase.htm\n");
}

// A spin uploaded with rows: "Copy To Clipboard" reads its rows and start
// frame back and passes them on; a one-row page read next clears them.
TEST_F(SnippetFetch, AnUploadInRowsIsCopiedWithItsRows) {
    OutputPageInfo info = test::uploadedVaseInfo();
    info.frameFolderName = "tilt-turnpixa";
    info.rows = 3;
    info.startFrame = 16;
    info.zoomWidth = 960;
    info.zoomHeight = 600;
    test::writeWholeFile(site.file("gallery/tilt.htm"), OutputPage::text(info));
    SnippetImage image = shoe();
    const SnippetCheck check = checkSnippetEntries(server->base(), "gallery", "tilt", image);
    ASSERT_TRUE(check.found);
    EXPECT_EQ(image.frames, 24);
    EXPECT_EQ(image.rows, 3);
    EXPECT_EQ(image.startFrame, 16);
    EXPECT_NE(Snippets::ebay(image, check.base, ViewerScript::inlineForm(), false)
                  .find("/tilt-turnpixa/image_', 24, -150, 16, '.png', "
                        "{zoomWidth:960,zoomHeight:600,rows:3});"),
              std::string::npos);
    ASSERT_TRUE(checkSnippetEntries(server->base(), "gallery", "vase", image).found);
    EXPECT_EQ(image.rows, 1);
    EXPECT_EQ(image.startFrame, 0);
}

TEST_F(SnippetFetch, TheSetJustSavedNeedsNoRequestAndMissingOnesAreNotFound) {
    SnippetImage image = shoe();
    SnippetCheck check = checkSnippetEntries(server->base(), "gallery", "shoe", image);
    EXPECT_FALSE(check.fetched);
    EXPECT_EQ(server->requests(), "");

    check = checkSnippetEntries(server->base(), "gallery", "", image);
    EXPECT_TRUE(check.nameMissing);

    check = checkSnippetEntries(server->base(), "gallery", "teapot", image);
    EXPECT_TRUE(check.fetched);
    EXPECT_FALSE(check.found);
    EXPECT_EQ(image.folder, "teapot-turnpixa");
    EXPECT_EQ(image.frames, 24);  // the values in hand go on
}

// A name holding "(", ")" and "," is read back whole, also when the call
// carries an options object after its six arguments.
TEST_F(SnippetFetch, NamesWithBracketsAndCommasAreReadBack) {
    OutputPageInfo info = test::uploadedVaseInfo();
    info.frameFolderName = "vase (2), red-turnpixa";
    const std::string page = OutputPage::text(info);
    test::writeWholeFile(site.file("gallery/vase (2), red.htm"), page);
    std::string withOptions = page;
    const size_t end = withOptions.find("'.png');");
    ASSERT_NE(end, std::string::npos);
    withOptions.replace(end, 8, "'.png',{zoomWidth:1600,zoomHeight:1200});");
    test::writeWholeFile(site.file("gallery/vase (3).htm"), withOptions);
    for (const std::string name : {"vase (2), red", "vase (3)"}) {
        SnippetImage image = shoe();
        const SnippetCheck check = checkSnippetEntries(server->base(), "gallery", name, image);
        EXPECT_TRUE(check.found) << name;
        EXPECT_EQ(image.frames, 24) << name;
        EXPECT_EQ(image.autoSpin, -150) << name;
        EXPECT_TRUE(image.png) << name;
        EXPECT_EQ(image.width, 320) << name;
        EXPECT_EQ(image.height, 200) << name;
    }
}

TEST_F(SnippetFetch, BlanksInTheLocationAndFolderAreEncoded) {
    std::filesystem::create_directories(site.path() / "our site/my spins/2024");
    test::writeWholeFile(site.file("our site/my spins/2024/vase.htm"),
                         OutputPage::text(test::uploadedVaseInfo()));
    SnippetImage image = shoe();
    const SnippetCheck check =
        checkSnippetEntries(server->base() + "/our site", "my spins\\2024", "vase", image);
    EXPECT_TRUE(check.found);
    EXPECT_EQ(image.frames, 24);
    EXPECT_EQ(server->requests(), "/our%20site/my%20spins/2024/vase.htm\n");
}

}  // namespace
}  // namespace turnpixa
