// The copied fragments pasted into a page and run by a real Chromium: the
// auction form with the whole viewer inline, and the web page form loading
// turnpixa.js, must both spin, whatever the image is called.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"
#include "web/Snippets.h"
#include "web/ViewerScript.h"

namespace turnpixa {
namespace {

std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), n);
    ::pclose(pipe);
    return output;
}

// The two forms side by side, each in its own frame; after two seconds of
// auto spin every viewer reports to the top page whether it moved and what
// it shows.
constexpr const char* kTop = R"(<html><body>
<iframe src='ebay.htm'></iframe><iframe src='webpage.htm'></iframe>
<pre id='result'>pending</pre>
<script>
var got = {};
window.onmessage = function(e) {
  got[e.data.split(' ')[0]] = e.data;
  if (got.ebay && got.webpage)
    document.getElementById('result').textContent = got.ebay + '\n' + got.webpage;
};
</script></body></html>)";

constexpr const char* kProbe = R"(<script>
setTimeout(function() {
  var out = [pageName + ' viewers=' + TurnPixas.length];
  for (var i = 0; i < TurnPixas.length; i++) {
    var v = TurnPixas[i];
    out.push((v.nLastImage != 0) + ' ' +
             decodeURIComponent(v.Img.src.split('/').slice(-2).join('/')).replace(/_00[1-7]/, '_00x'));
  }
  parent.postMessage(out.join('\n'), '*');
}, 2000);
</script></body></html>)";

const char* const kNames[] = {"shoe", "O'Brien", "a \"quoted\" <b>name"};

TEST(SnippetsInChromium, EbayAndWebpageFragmentsSpinWhateverTheName) {
    if (std::system("command -v chromium > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed";
    test::TempDir dir;
    // The webspace is a folder on disk; the frames are a real JPEG each.
    const std::string jpeg = test::readWholeFile(test::dataFile("image/jpeg/jfif_unit_cm.jpg"));
    const std::string base = Snippets::base("file://" + dir.path().string(), "site");
    std::filesystem::create_directories(dir.path() / "site");
    test::writeWholeFile(dir.file("site/turnpixa.js"), ViewerScript::fileForm());
    std::string ebay = "<html><body>\r\n", webpage = ebay, expected;
    for (const std::string stem : kNames) {
        const std::string folder = stem + "-turnpixa";
        std::filesystem::create_directories(dir.path() / "site" / folder);
        for (int i = 0; i < 8; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "image_%03d.jpg", i);
            test::writeWholeFile((dir.path() / "site" / folder / name).string(), jpeg);
        }
        test::writeWholeFile((dir.path() / "site" / folder / "image.jpg").string(), jpeg);
        SnippetImage image;
        image.folder = folder;
        image.frames = 8;
        image.autoSpin = 100;
        image.width = 64;
        image.height = 48;
        // Only the first image on a page brings the script.
        const bool first = stem == kNames[0];
        ebay += Snippets::ebay(image, base, ViewerScript::inlineForm(), first);
        webpage += Snippets::webpage(image, base, first);
        expected += "\ntrue " + folder + "/image_00x.jpg";
    }
    test::writeWholeFile(dir.file("ebay.htm"),
                         ebay + "<script>var pageName = 'ebay';</script>" + kProbe);
    test::writeWholeFile(dir.file("webpage.htm"),
                         webpage + "<script>var pageName = 'webpage';</script>" + kProbe);
    test::writeWholeFile(dir.file("top.htm"), kTop);

    const std::string dom =
        run("timeout 120 chromium --headless --no-sandbox --disable-gpu "
            "--disable-background-networking --disable-component-update --disable-sync "
            "--no-first-run --allow-file-access-from-files --user-data-dir=" +
            dir.file("profile") + " --virtual-time-budget=5000 --dump-dom file://" +
            dir.file("top.htm") + " 2>/dev/null");
    const std::string open = "<pre id=\"result\">";
    const std::size_t at = dom.find(open);
    ASSERT_NE(at, std::string::npos) << dom;
    const std::size_t from = at + open.size();
    std::string result = dom.substr(from, dom.find("</pre>", from) - from);
    // --dump-dom writes the text as HTML.
    for (const auto& [entity, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
        for (size_t p; (p = result.find(entity)) != std::string::npos;)
            result.replace(p, std::string(entity).size(), c);
    EXPECT_EQ(result, "ebay viewers=3" + expected + "\nwebpage viewers=3" + expected);
}

}  // namespace
}  // namespace turnpixa
