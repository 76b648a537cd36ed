#include "web/OutputPage.h"

#include <gtest/gtest.h>

#include <string>

#include "web/RateSlider.h"
#include "web/SaveTarget.h"

namespace turnpixa {
namespace {

// The page written out by hand from its seventeen lines.
std::string expectedPage(const std::string& imgLine, const std::string& addLine) {
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
           "<html>\r\n"
           "<head>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf-8\" >\r\n"
           "<meta name=\"generator\" content=\"TurnPixa\">\r\n"
           "<title>TurnPixa Rotatable Image</title>\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "<center>\r\n" +
           imgLine + "\r\n" +
           "</center>\r\n"
           "<script language='JavaScript' src='turnpixa.js' type='text/javascript'></script>\r\n"
           "<script language=\"JavaScript\" type=\"text/javascript\">\r\n" +
           addLine + "\r\n" +
           "</script>\r\n"
           "</body>\r\n"
           "</html>\r\n";
}

TEST(OutputPage, JpegWithoutAutoSpin) {
    OutputPageInfo info{"shoe-turnpixa", ".jpg", 400, 267, 24, 0};
    EXPECT_EQ(OutputPage::text(info),
              expectedPage("    <img id='turnpixa1' src='shoe-turnpixa/image.jpg' width='400' "
                           "height='267'>",
                           "AddTurnPixa('turnpixa1','shoe-turnpixa/image_',24,0,0,'.jpg');"));
}

TEST(OutputPage, PngWithForwardAndReverseAutoSpin) {
    OutputPageInfo info{"a b-turnpixa", ".png", 300, 200, 5, 100};
    EXPECT_EQ(OutputPage::text(info),
              expectedPage("    <img id='turnpixa1' src='a b-turnpixa/image.png' width='300' "
                           "height='200'>",
                           "AddTurnPixa('turnpixa1','a b-turnpixa/image_',5,100,0,'.png');"));
    info.autoSpinValue = -25;
    const std::string page = OutputPage::text(info);
    EXPECT_NE(page.find("\r\nAddTurnPixa('turnpixa1','a b-turnpixa/image_',5,-25,0,'.png');\r\n"),
              std::string::npos);
    int lines = 0;
    for (std::size_t i = 0; i < page.size(); ++i)
        if (page[i] == '\n') {
            EXPECT_EQ(page[i - 1], '\r');
            ++lines;
        }
    EXPECT_EQ(lines, 17);
}

TEST(OutputPage, RowsFollowTheZoomSizeInTheOptionsWithTheStartFrame) {
    OutputPageInfo info{"shoe-turnpixa", ".jpg", 400, 267, 24, 0};
    info.rows = 3;
    info.startFrame = 8;
    const std::string img =
        "    <img id='turnpixa1' src='shoe-turnpixa/image.jpg' width='400' height='267'>";
    EXPECT_EQ(OutputPage::text(info),
              expectedPage(img,
                           "AddTurnPixa('turnpixa1','shoe-turnpixa/image_',24,0,8,'.jpg',"
                           "{rows:3});"));
    info.zoomWidth = 960;
    info.zoomHeight = 641;
    EXPECT_EQ(OutputPage::text(info),
              expectedPage(img,
                           "AddTurnPixa('turnpixa1','shoe-turnpixa/image_',24,0,8,'.jpg',"
                           "{zoomWidth:960,zoomHeight:641,rows:3});"));
    // One row: no rows key and the start index stays 0, whatever else says.
    info.rows = 1;
    EXPECT_EQ(OutputPage::text(info),
              expectedPage(img,
                           "AddTurnPixa('turnpixa1','shoe-turnpixa/image_',24,0,0,'.jpg',"
                           "{zoomWidth:960,zoomHeight:641});"));
    info.zoomWidth = 0;
    EXPECT_EQ(OutputPage::text(info),
              OutputPage::text(OutputPageInfo{"shoe-turnpixa", ".jpg", 400, 267, 24, 0}));
}

TEST(OutputPage, NamesThatWouldBreakTheAddressesAreEncoded) {
    EXPECT_EQ(OutputPage::addressOf("shoe-turnpixa"), "shoe-turnpixa");
    EXPECT_EQ(OutputPage::addressOf("a b\xc3\xa9-turnpixa"), "a b\xc3\xa9-turnpixa");
    EXPECT_EQ(OutputPage::addressOf("it's #1 50%?&<\"x\">\\"),
              "it%27s %231 50%25%3F%26%3C%22x%22%3E%5C");
    OutputPageInfo info{"bob's #2-turnpixa", ".jpg", 10, 20, 3, 0};
    const std::string page = OutputPage::text(info);
    EXPECT_NE(page.find("\r\n    <img id='turnpixa1' src='bob%27s %232-turnpixa/image.jpg' "
                        "width='10' height='20'>\r\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("\r\nAddTurnPixa('turnpixa1','bob%27s %232-turnpixa/image_',3,0,0,'.jpg');"
                        "\r\n"),
              std::string::npos)
        << page;
}

TEST(RateSlider, PositionToInterval) {
    EXPECT_EQ(RateSlider::intervalFor(50, 100), 100);
    EXPECT_EQ(RateSlider::intervalFor(0, 100), 3200);
    EXPECT_EQ(RateSlider::intervalFor(80, 100), 13);  // 12.5 rounds up
    EXPECT_EQ(RateSlider::intervalFor(40, 100), 200);
    EXPECT_EQ(RateSlider::intervalFor(60, 100), 50);
    EXPECT_EQ(RateSlider::intervalFor(45, 7), 141);  // 100 * 2^0.5 = 141.42
    // The direction stays with the current sign.
    EXPECT_EQ(RateSlider::intervalFor(50, -3200), -100);
    EXPECT_EQ(RateSlider::intervalFor(70, -1), -25);
}

TEST(RateSlider, IntervalToPosition) {
    EXPECT_EQ(RateSlider::positionFor(100), 50);
    EXPECT_EQ(RateSlider::positionFor(-100), 50);
    EXPECT_EQ(RateSlider::positionFor(3200), 0);  // 0.5 truncated
    EXPECT_EQ(RateSlider::positionFor(200), 40);
    // 13 ms: 50 + 29.43 + 0.5 = 79.93, truncated to 79.
    EXPECT_EQ(RateSlider::positionFor(13), 79);
    EXPECT_EQ(RateSlider::positionFor(141), 45);  // 50 - 4.96 + 0.5 = 45.54
    // Outside the slider's range.
    EXPECT_EQ(RateSlider::positionFor(100000), 0);
    EXPECT_EQ(RateSlider::positionFor(1), 80);
    EXPECT_EQ(RateSlider::positionFor(0), 80);
}

TEST(SaveTarget, PageNameRules) {
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/shoe").pageFileName(), "shoe.htm");
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/shoe.html").pageFileName(), "shoe.html.htm");
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/shoe.HTM").pageFileName(), "shoe.HTM");
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/shoe.Htm").pageFileName(), "shoe.Htm");
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/htm").pageFileName(), "htm.htm");
    const SaveTarget t = SaveTarget::fromChosenPath("/out/web/shoe.HTM");
    EXPECT_EQ(t.outputFolder(), "/out/web/");
    EXPECT_EQ(t.stem(), "shoe");
    EXPECT_EQ(t.frameFolderName(), "shoe-turnpixa");
    EXPECT_EQ(t.frameFolderPath(), "/out/web/shoe-turnpixa/");
    EXPECT_EQ(t.pagePath(), "/out/web/shoe.HTM");
    EXPECT_EQ(t.scriptPath(), "/out/web/turnpixa.js");
    EXPECT_EQ(SaveTarget::fromChosenPath("/out/shoe.html").frameFolderName(), "shoe.html-turnpixa");
    EXPECT_EQ(SaveTarget::fromChosenPath("shoe").pagePath(), "./shoe.htm");
}

TEST(SaveTarget, FrameAndStillNames) {
    const SaveTarget t = SaveTarget::fromChosenPath("/o/shoe");
    EXPECT_EQ(t.framePath(0, FrameFormat::Jpeg), "/o/shoe-turnpixa/image_000.jpg");
    EXPECT_EQ(t.framePath(7, FrameFormat::Png), "/o/shoe-turnpixa/image_007.png");
    EXPECT_EQ(t.framePath(8, FrameFormat::WebP), "/o/shoe-turnpixa/image_008.webp");
    EXPECT_EQ(t.zoomFramePath(8, FrameFormat::WebP), "/o/shoe-turnpixa/zoom/image_008.webp");
    EXPECT_EQ(t.framePath(120, FrameFormat::Jpeg), "/o/shoe-turnpixa/image_120.jpg");
    EXPECT_EQ(t.framePath(1000, FrameFormat::Jpeg), "/o/shoe-turnpixa/image_1000.jpg");
    EXPECT_EQ(t.stillPath(FrameFormat::Jpeg), "/o/shoe-turnpixa/image.jpg");
    EXPECT_EQ(t.stillPath(FrameFormat::Png), "/o/shoe-turnpixa/image.png");
    EXPECT_EQ(t.stillPath(FrameFormat::WebP), "/o/shoe-turnpixa/image.webp");
}

}  // namespace
}  // namespace turnpixa
