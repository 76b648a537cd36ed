// The listing snippet, for pages that take no script, and how it learns
// which animation the uploaded set has.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/web/UploadedVase.h"
#include "web/Snippets.h"
#include "web/UploadedPage.h"

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

TEST(ListingSnippet, ALinkedPictureOfThePagesSizeWithNamesEscapedForTheirPlaces) {
    SnippetImage image;
    image.folder = "vase-turnpixa";
    image.width = 320;
    image.height = 200;
    image.animation = "spin.webp";
    EXPECT_EQ(Snippets::listing(image, "http://example.com/~ann/gallery"),
              "<a href='http://example.com/~ann/gallery/vase.htm'><img "
              "src='http://example.com/~ann/gallery/vase-turnpixa/spin.webp' width='320' "
              "height='200' alt='vase, turning all round' border='0'></a>\r\n");
    // A name that would end the attribute or start an event handler.
    image.folder = "it's\" onload='x-turnpixa";
    const std::string text = Snippets::listing(image, "http://h/g");
    EXPECT_NE(text.find("href='http://h/g/it%27s%22%20onload%3D%27x.htm'"), std::string::npos)
        << text;
    EXPECT_NE(text.find("alt='it&#39;s&quot; onload=&#39;x, turning all round'"), std::string::npos)
        << text;
    EXPECT_EQ(text.find(" onload"), text.find(" onload=&#39;")) << "only inside the alt text";
}

TEST(ListingSnippet, TheUploadedSetIsAskedForWebpFirstThenGif) {
    test::TempDir site;
    const auto server = test::serveUploadedVase(site);
    ASSERT_TRUE(server->running());
    const fs::path frames = site.path() / "gallery" / "vase-turnpixa";
    fs::create_directories(frames);
    const std::string location = server->base();
    std::string file, reason;
    EXPECT_EQ(findUploadedAnimation(location, "gallery", "vase", file, reason),
              UploadedAnimation::None);
    EXPECT_TRUE(file.empty());
    const std::string none =
        listingRefusal("vase", location + "/gallery", UploadedAnimation::None, "");
    EXPECT_NE(none.find("has no animated image"), std::string::npos) << none;

    test::writeWholeFile((frames / "spin.gif").string(), "GIF89a");
    EXPECT_EQ(findUploadedAnimation(location, "gallery", "vase", file, reason),
              UploadedAnimation::Found);
    EXPECT_EQ(file, "spin.gif");
    test::writeWholeFile((frames / "spin.webp").string(), "RIFF");
    EXPECT_EQ(findUploadedAnimation(location, "gallery", "vase", file, reason),
              UploadedAnimation::Found);
    EXPECT_EQ(file, "spin.webp");
    EXPECT_NE(server->requests().find("/gallery/vase-turnpixa/spin.webp"), std::string::npos)
        << server->requests();

    HttpOptions quick;
    quick.connectTimeoutMs = 2000;
    EXPECT_EQ(findUploadedAnimation("http://127.0.0.1:1", "gallery", "vase", file, reason, quick),
              UploadedAnimation::Unreachable);
    EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace turnpixa
