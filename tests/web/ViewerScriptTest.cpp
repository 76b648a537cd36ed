#include "web/ViewerScript.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace turnpixa {
namespace {

const std::vector<std::string_view>& L() {
    return ViewerScript::lines();
}

std::size_t indexOf(std::string_view line) {
    for (std::size_t i = 0; i < L().size(); ++i)
        if (L()[i] == line) return i;
    ADD_FAILURE() << "missing line: " << line;
    return 0;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

TEST(ViewerScript, FirstAndLastLines) {
    ASSERT_GT(L().size(), 100u);
    EXPECT_EQ(L().front(), "// JavaScript for TurnPixa");
    EXPECT_EQ(L()[1], "");
    EXPECT_EQ(L()[2],
              "// Calling HTML should include one or more calls to AddTurnPixa(). Paramters are:");
    EXPECT_EQ(L().back(), "}");
    EXPECT_EQ(L()[L().size() - 2], "    document.onmousemove = null;");
}

TEST(ViewerScript, NoLineHoldsALineBreak) {
    for (std::string_view line : L()) {
        EXPECT_EQ(line.find('\r'), std::string_view::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string_view::npos) << line;
    }
}

TEST(ViewerScript, SectionsAndTheirSeparators) {
    // The function heads in their order, each section's first line.
    const std::vector<std::string_view> heads = {
        "var TurnPixas = new Array;",
        "function AddTurnPixa(szID, szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, "
        "szImageSuffix)",
        "function TurnPixa(szImagePrefix, nNumImages, nAutoSpinInterval, nStartIndex, "
        "szImageSuffix)",
        "function PreLoad(nItem)",
        "function IdleSpin(nInterval, nItem)",
        "var isIE = document.all?true:false;",
        "function GetX(e) {",
        "function StartRotate(e)",
        "function Dummy(e)",
        "function ShowNextImage(nDirection, nItem)",
        "function Animate(e)",
        "function StopRotate()",
    };
    std::size_t last = 0;
    for (std::size_t h = 0; h < heads.size(); ++h) {
        const std::size_t i = indexOf(heads[h]);
        EXPECT_GT(i, last) << heads[h];
        last = i;
        // Up to StartRotate an empty line comes before each section; from
        // Dummy on a section follows the previous "}" directly.
        if (h <= 7)
            EXPECT_EQ(L()[i - 1], "") << heads[h];
        else
            EXPECT_EQ(L()[i - 1], "}") << heads[h];
    }
    // The header comment ends in an empty line right before the globals.
    EXPECT_EQ(L()[indexOf("var TurnPixas = new Array;") - 2], "//</script>");
    // Empty lines: one after the title, then one closing each of sections 1-8.
    int empty = 0;
    for (std::string_view line : L()) empty += line.empty();
    EXPECT_EQ(empty, 9);
}

TEST(ViewerScript, ExactLinesOfSomeStatements) {
    const std::size_t preload = indexOf("function PreLoad(nItem)");
    EXPECT_EQ(L()[preload + 1], "{");
    EXPECT_EQ(trimmed(L()[preload + 2]), "var imageThis = TurnPixas[nItem>1?nItem-1:0];");
    // The viewer that loads its frames itself leaves PreLoad at once.
    EXPECT_EQ(trimmed(L()[preload + 3]), "if (imageThis.fShow || !imageThis.Img) return;");
    EXPECT_EQ(trimmed(L()[preload + 4]), "for(i=0; i<imageThis.nNumImages; i++)");
    EXPECT_EQ(trimmed(L()[preload + 6]),
              "var nImage = imageThis.nAutoSpinInterval<0? imageThis.nNumImages - i :");
    EXPECT_EQ(trimmed(L()[preload + 7]), "imageThis.nAutoSpinInterval>0? i:");
    EXPECT_EQ(trimmed(L()[preload + 8]), "(i&1)? imageThis.nNumImages-1-(i>>1): (i>>1);");
    // PreLoad's last body line carries the closing brace itself.
    EXPECT_EQ(trimmed(L()[preload + 14]),
              "if (imageThis.nAutoSpinInterval!=0) imageThis.IdleSpin(imageThis.nAutoSpinInterval, "
              "nItem);}");
    EXPECT_EQ(L()[preload + 15], "");

    const std::size_t idle = indexOf("function IdleSpin(nInterval, nItem)");
    EXPECT_EQ(trimmed(L()[idle + 4]), "this.timerSpin = setInterval(szFuncCall,");
    EXPECT_EQ(trimmed(L()[idle + 5]), "nInterval>0?nInterval:-nInterval);");
    EXPECT_EQ(L()[idle + 6], "}");

    const std::size_t show = indexOf("function ShowNextImage(nDirection, nItem)");
    EXPECT_EQ(trimmed(L()[show + 2]), "imageThis = TurnPixas[nItem>1?nItem-1:0];");
    const std::size_t start = indexOf("function StartRotate(e)");
    EXPECT_EQ(trimmed(L()[start + 12]), "return false;  // false = no default event handling");
    EXPECT_EQ(L()[start + 13], "}");
    EXPECT_EQ(L()[indexOf("if (!isIE) document.captureEvents(Event.MOUSEMOVE);") - 1],
              "var isIE = document.all?true:false;");
}

// Pages on the web and the snippets rely on every line the plain viewer has;
// what it does beyond the mouse drag lives in a section of its own lines
// (from TurnPixaView up to Dummy) and in single lines added to four of the
// plain functions. Leaving those out must give the plain script byte for
// byte (5152 bytes, FNV-1a below), and each added line stands where it must.
TEST(ViewerScript, ThePlainScriptIsStillThereLineForLine) {
    const std::vector<std::pair<std::string_view, std::string_view>> added = {
        {"    imageNew.Img = document.getElementById(szID);", "    if (!imageNew.Img) return;"},
        {"    imageNew.Img.style.cursor = 'e-resize';",
         "    TurnPixaView(imageNew, nItem, arguments[6]);"},
        {"    var imageThis = TurnPixas[nItem>1?nItem-1:0];",
         "    if (imageThis.fShow || !imageThis.Img) return;"},
        {"    imageThis = TurnPixas[nItem>1?nItem-1:0];",
         "    if (imageThis.fShow) return imageThis.fShow(nDirection);"},
        {"    nImage = nImage%imageThis.nNumImages;",
         "    if (!imageThis.arrayImages[nImage]) return;"},
    };
    std::string plain;
    bool own = false;
    std::size_t ownBytes = 0;
    std::vector<int> found(added.size(), 0);
    for (std::size_t i = 0; i < L().size(); ++i) {
        const std::string_view line = L()[i];
        if (line == "function TurnPixaView(imageThis,nItem,options)") {
            own = true;
            EXPECT_EQ(L()[i - 1], "}");
            EXPECT_EQ(L()[i - 2], "    return false;  // false = no default event handling");
        }
        if (line == "function Dummy(e)") own = false;
        if (own) {
            ownBytes += line.size();
            // Written without comments, indentation and needless breaks.
            EXPECT_FALSE(line.empty() || line.starts_with("//") || line.starts_with(" ")) << line;
            EXPECT_FALSE(line.ends_with(';') && L()[i + 1] != "}") << line;
            continue;
        }
        bool isAdded = false;
        for (std::size_t a = 0; a < added.size(); ++a) {
            if (line != added[a].second) continue;
            isAdded = true;
            ++found[a];
            EXPECT_EQ(L()[i - 1], added[a].first) << line;
        }
        if (!isAdded) plain += std::string(line) + "\r\n";
    }
    EXPECT_GT(ownBytes, 8000u);
    // Each added line once, right after the line it follows.
    EXPECT_EQ(found, std::vector<int>(added.size(), 1));
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char c : plain) hash = (hash ^ c) * 0x100000001b3u;
    EXPECT_EQ(plain.size(), 5152u);
    EXPECT_EQ(hash, 0x55a36dacb93b1537u);
}

TEST(ViewerScript, FileAndInlineForms) {
    std::string expected;
    for (std::string_view line : L()) expected += std::string(line) + "\r\n";
    const std::string file = ViewerScript::fileForm();
    EXPECT_EQ(file, expected);
    EXPECT_TRUE(file.starts_with("// JavaScript for TurnPixa\r\n\r\n// Calling"));
    EXPECT_TRUE(file.ends_with("    document.onmousemove = null;\r\n}\r\n"));
    // Every line break is CR LF and there are exactly as many as lines.
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(file[i - 1], '\r');
            ++crlf;
        } else if (file[i] == '\r') {
            ASSERT_LT(i + 1, file.size());
            EXPECT_EQ(file[i + 1], '\n');
        }
    }
    EXPECT_EQ(crlf, L().size());

    EXPECT_EQ(ViewerScript::inlineForm(),
              "<script language=\"JavaScript\" type=\"text/javascript\">\r\n" + expected +
                  "</script>\r\n");
}

// A visitor on a slow phone fetches the whole script before the spin turns:
// gzip-coded at level 9, as a server sends it, it stays within 6 KB.
TEST(ViewerScript, FileFormGzipsWithinSixKilobytes) {
    std::string file = ViewerScript::fileForm();
    z_stream z{};
    ASSERT_EQ(deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::vector<unsigned char> out(deflateBound(&z, file.size()));
    z.next_in = reinterpret_cast<Bytef*>(file.data());
    z.avail_in = static_cast<uInt>(file.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    const uLong coded = z.total_out;
    deflateEnd(&z);
    EXPECT_LE(coded, 6144u);
    EXPECT_GT(coded, 4000u) << "the script is all there";
}

}  // namespace
}  // namespace turnpixa
