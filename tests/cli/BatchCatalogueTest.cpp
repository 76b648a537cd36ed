// The catalogue's reading (CSV, header, rows over the defaults), the shards
// and the manifests, without running the program.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

#include <map>
#include <string>
#include <vector>

#include "cli/BatchArguments.h"
#include "cli/BatchCatalogue.h"
#include "cli/BatchManifest.h"
#include "cli/BatchShard.h"
#include "cli/CsvReader.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvReader, ReadsQuotedFieldsAndNamesBrokenRecords) {
    const auto records = readCsv(
        "\xEF\xBB\xBF"
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n"
        "\n"
        "1,,\n"
        "bad,\"q\"x,3\n"
        "in\"side,2,3\n"
        "after,2,3\n"
        "last,\"open\n"
        "never closed\n");
    ASSERT_EQ(records.size(), 8u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b", "c"}));
    EXPECT_EQ(records[1].fields, (Fields{"x, y", "say \"hi\"", "two\nlines"}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].line, 5) << "the empty line is left out, the line count goes on";
    EXPECT_EQ(records[2].fields, (Fields{"1", "", ""}));
    EXPECT_EQ(records[3].line, 6);
    EXPECT_NE(records[3].error.find("column 2: text after the closing quote"), std::string::npos);
    EXPECT_TRUE(records[3].fields.empty());
    EXPECT_NE(records[4].error.find("column 1: a quote inside an unquoted field"),
              std::string::npos);
    EXPECT_EQ(records[5].fields, (Fields{"after", "2", "3"})) << "reading goes on";
    EXPECT_EQ(records[6].line, 9);
    EXPECT_NE(records[6].error.find("column 2: the quoted field is never closed"),
              std::string::npos);
    EXPECT_EQ(records[7].fields, (Fields{"never closed"}));
    EXPECT_EQ(readCsv("x,y").front().fields, (Fields{"x", "y"})) << "no final line break";
}

std::vector<OptionWord> defaultsOf(const std::vector<std::string>& args) {
    std::vector<OptionWord> words;
    std::vector<std::string> operands;
    splitCommandLine(args, words, operands);
    return words;
}

std::vector<BatchRow> catalogue(const std::string& text, const std::vector<std::string>& defaults,
                                std::string* error = nullptr) {
    std::vector<BatchRow> rows;
    std::string reason;
    const bool read = readCatalogue(text, "shop", defaultsOf(defaults), rows, reason);
    if (error) *error = reason;
    EXPECT_EQ(read, error == nullptr) << reason;
    return rows;
}

TEST(BatchCatalogue, CellsGoOverTheDefaultsThroughTheOptionTable) {
    const auto rows = catalogue(
        "output, photos ,size,reverse,remove-background,crop,background-color\n"
        "spins/shoe,shoe/*.jpg;/abs/extra.jpg,,,,,\n"
        "/abs/vase.htm,vase.jpg,80x60,no,yes,\"0,0,100,80\",E0F0FF\n"
        "bowl,bowl.jpg,x30,YES,90,,\n",
        {"--wid", "50", "-q", "--reverse", "--remove-background=30", "--png"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].page, "shop/spins/shoe.htm") << "relative to the catalogue's folder";
    EXPECT_EQ(rows[0].photoPatterns, (Fields{"shop/shoe/*.jpg", "/abs/extra.jpg"}));
    EXPECT_EQ(rows[0].options, (Fields{"--width=50", "--reverse", "--remove-background=30", "--png",
                                       "--output=shop/spins/shoe"}))
        << "abbreviations come out in their long form; --quiet is the batch's own";
    // A size replaces the default width (they exclude each other), "no"
    // drops a default switch, "yes" gives an optional value's default.
    EXPECT_EQ(rows[1].page, "/abs/vase.htm");
    EXPECT_EQ(rows[1].options,
              (Fields{"--png", "--output=/abs/vase.htm", "--size=80x60", "--remove-background",
                      "--crop=0,0,100,80", "--background-colour=E0F0FF"}));
    EXPECT_EQ(rows[2].options, (Fields{"--png", "--output=shop/bowl", "--size=x30", "--reverse",
                                       "--remove-background=90"}));
    EXPECT_EQ(rows[2].index, 2);
    EXPECT_EQ(rows[2].line, 4);
}

TEST(BatchCatalogue, BadRowsAreNamedAndTheOthersKept) {
    const auto rows = catalogue(
        "output,photos,width,reverse\n"
        "a,a.jpg,abc,\n"
        "b,,40,\n"
        "c,c.jpg,40,maybe\n"
        "d,d.jpg\n"
        "a.htm,a2.jpg,40,\n"
        ",e.jpg,40,\n"
        "f,f.jpg,40,no\n",
        {});
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].error, "column width: --width needs a width from 1 to 10000, not \"abc\"");
    EXPECT_EQ(rows[1].error, "column photos: no photos given");
    EXPECT_EQ(rows[2].error, "column reverse: yes or no, not \"maybe\"");
    EXPECT_EQ(rows[3].error, "2 fields where the header has 4");
    EXPECT_EQ(rows[4].error, "") << "the first row with that page was bad";
    EXPECT_EQ(rows[5].error, "column output: no page given");
    EXPECT_EQ(rows[6].error, "");

    const auto twice =
        catalogue("output,photos\nx,1.jpg\nsub/../x.htm,2.jpg\nx.HTM,3.jpg\nx,4.jpg\n", {});
    EXPECT_EQ(twice[1].error, "column output: shop/sub/../x.htm is the page of line 2 too");
    EXPECT_EQ(twice[2].error, "") << "another name on this file system";
    EXPECT_EQ(twice[3].error, "column output: shop/x.htm is the page of line 2 too");
}

TEST(BatchCatalogue, HeaderProblemsStopTheWholeCatalogue) {
    const std::map<std::string, std::string> cases = {
        {"output,photos,colour\n",
         "line 1, column 3 \"colour\" is neither \"photos\" nor an "
         "option of turnpixa-cli"},
        {"output,photos,batch\n",
         "line 1, column 3 \"batch\": --batch is for the whole batch, "
         "not a row"},
        {"output,photos,print-pad\n",
         "line 1, column 3 \"print-pad\": --print-pad writes a pad, not a set"},
        {"output,photos,background-colour,background-color\n",
         "line 1, column 4 \"background-color\" gives --background-colour a second time"},
        {"output,width\n", "line 1, the header needs an \"output\" and a \"photos\" column"},
        {"\"output,photos\n", "line 1, column 1: the quoted field is never closed"},
        {"", "the catalogue is empty: it needs a header line and a row per product"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        catalogue(text, {}, &error);
        EXPECT_EQ(error, expected) << text;
    }
}

TEST(BatchCatalogue, GlobsComeInNameOrderAndTheWholeRowIsChecked) {
    test::TempDir dir;
    for (const char* name : {"p10.jpg", "p02.jpg", "p01.jpg", "other.png"})
        test::writeWholeFile(dir.file(name), "x");
    BatchRow row;
    row.options = {"--width=40", "--height=30", "--output=x"};
    row.columns = {"output", "height"};
    row.photoPatterns = {dir.file("p*.jpg"), dir.file("other.png")};
    std::vector<std::string> photos;
    std::string error;
    ASSERT_TRUE(expandPhotos(row, photos, error)) << error;
    EXPECT_EQ(photos, (Fields{dir.file("p01.jpg"), dir.file("p02.jpg"), dir.file("p10.jpg"),
                              dir.file("other.png")}));
    EXPECT_FALSE(checkRowArguments(row, photos, error));
    EXPECT_EQ(error, "column height: choose one of --width, --height and --size");
    EXPECT_EQ(rowArguments(row, {"-odd.jpg"}),
              (Fields{"--width=40", "--height=30", "--output=x", "--quiet", "--", "-odd.jpg"}));

    row.photoPatterns = {dir.file("*.gif")};
    EXPECT_FALSE(expandPhotos(row, photos, error));
    EXPECT_EQ(error, "column photos: \"" + dir.file("*.gif") + "\" matches no file");
}

TEST(BatchShard, ReadsTheSchedulersVariables) {
    std::map<std::string, std::string> env;
    const EnvironmentLookup lookup = [&](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    auto shard = [&](const std::string& text, std::string& error) {
        BatchShard s;
        error.clear();
        return parseShard(text, lookup, s, error)
                   ? std::to_string(s.index + 1) + "/" + std::to_string(s.count)
                   : std::string("-");
    };
    std::string error;
    EXPECT_EQ(shard("2/3", error), "2/3");
    EXPECT_EQ(shard("4/3", error), "-");
    EXPECT_EQ(shard("0/3", error), "-");
    EXPECT_EQ(shard("1/0", error), "-");
    EXPECT_EQ(shard("auto", error), "-");
    EXPECT_EQ(error,
              "--shard=auto found none of PARALLEL_SEQ, JOB_COMPLETION_INDEX and "
              "SLURM_ARRAY_TASK_ID");

    env = {{"SLURM_ARRAY_TASK_ID", "7"},
           {"SLURM_ARRAY_TASK_COUNT", "4"},
           {"SLURM_ARRAY_TASK_MIN", "1"},
           {"SLURM_ARRAY_TASK_STEP", "2"}};
    EXPECT_EQ(shard("auto", error), "4/4") << error;  // tasks 1, 3, 5, 7
    EXPECT_EQ(shard("auto/5", error), "-");
    EXPECT_EQ(error, "--shard=auto/5 but SLURM_ARRAY_TASK_COUNT is 4");
    env["SLURM_ARRAY_TASK_ID"] = "4";
    EXPECT_EQ(shard("auto", error), "-") << "not a task of 1-7:2";

    env["JOB_COMPLETION_INDEX"] = "2";
    EXPECT_EQ(shard("auto/3", error), "3/3") << error;
    EXPECT_EQ(shard("auto", error), "-");
    EXPECT_EQ(error,
              "--shard=auto with JOB_COMPLETION_INDEX needs the number of shards: "
              "--shard=auto/N");
    env["PARALLEL_SEQ"] = "1";
    EXPECT_EQ(shard("auto/2", error), "1/2") << "GNU parallel's, the innermost";
    env["PARALLEL_SEQ"] = "3";
    EXPECT_EQ(shard("auto/2", error), "-");
    EXPECT_EQ(error, "--shard=auto: job 3 is beyond the 2 shards");
    env["PARALLEL_SEQ"] = "x";
    EXPECT_EQ(shard("auto/2", error), "-");
}

TEST(BatchManifest, TellsAChangedPhotoFromATouchedOne) {
    test::TempDir dir;
    const std::string photo = dir.file("a.jpg"), page = dir.file("shoe.htm");
    test::writeWholeFile(photo, "photo bytes");
    test::writeWholeFile(page, "page");
    std::filesystem::create_directories(dir.file("shoe-turnpixa/zoom"));
    test::writeWholeFile(dir.file("shoe-turnpixa/image_000.jpg"), "frame");
    test::writeWholeFile(dir.file("shoe-turnpixa/zoom/image_000.jpg"), "zoomed frame");

    SetManifest m;
    m.version = "1.2";
    m.options = {"--width=40"};
    m.photos = {stampPhoto(photo, true), stampPhoto(dir.file("gone.jpg"), true)};
    std::uint64_t bytes = 0;
    test::writeWholeFile(dir.file("shoe-turnpixa/image.jpg"), "still");
    test::writeWholeFile(dir.file("shoe-turnpixa/image_001.webp"), "frame");
    test::writeWholeFile(dir.file("turnpixa.js"), "js");
    ASSERT_TRUE(stampOutputs(page, m.outputs, bytes, m.frames));
    EXPECT_EQ(bytes, 4u + 5u + 12u + 5u + 5u);
    EXPECT_EQ(m.frames, 2) << "the still and the zoomed frame are not frames";
    EXPECT_EQ(m.outputs.size(), 5u) << "the shared script is not the set's own";
    EXPECT_EQ(m.photos[0].sha256 + "  " + photo + "\n",
              test::runCommand("sha256sum '" + photo + "'").output);
    EXPECT_FALSE(m.photos[1].present);
    EXPECT_EQ(manifestPath(page), dir.file("shoe-turnpixa.manifest"));

    EXPECT_EQ(photoName(photo, page), "a.jpg");
    EXPECT_EQ(photoName("/elsewhere/../x/b.jpg", page),
              std::filesystem::path("/x/b.jpg").lexically_relative(dir.path()).string());
    for (SetManifest::Photo& p : m.photos) p.path = photoName(p.path, page);
    SetManifest read;
    ASSERT_TRUE(SetManifest::parse(m.text(), read));
    EXPECT_EQ(read.text(), m.text());
    const Fields photos{photo, dir.file("gone.jpg")};
    bool refreshed = true;
    EXPECT_TRUE(setIsCurrent(read, "1.2", m.options, photos, page, refreshed));
    EXPECT_FALSE(refreshed);
    EXPECT_FALSE(setIsCurrent(read, "1.3", m.options, photos, page, refreshed));
    EXPECT_FALSE(setIsCurrent(read, "1.2", {"--width=41"}, photos, page, refreshed));
    EXPECT_FALSE(setIsCurrent(read, "1.2", m.options, {photos[1], photos[0]}, page, refreshed));

    // A new time over the same bytes: current, with the new time kept.
    struct utimbuf later {
        1'000'000'000, 1'000'000'000
    };
    ASSERT_EQ(::utime(photo.c_str(), &later), 0);
    EXPECT_TRUE(setIsCurrent(read, "1.2", m.options, photos, page, refreshed));
    EXPECT_TRUE(refreshed);
    EXPECT_EQ(read.photos[0].modifiedNs, 1'000'000'000'000'000'000);
    // Other bytes of the same length under the same time: the time decides
    // alone, so a changed photo gets a new time too.
    test::writeWholeFile(photo, "PHOTO BYTES");
    ASSERT_EQ(::utime(photo.c_str(), &later), 0);
    EXPECT_TRUE(setIsCurrent(read, "1.2", m.options, photos, page, refreshed));
    ::utime(photo.c_str(), nullptr);
    EXPECT_FALSE(setIsCurrent(read, "1.2", m.options, photos, page, refreshed));

    // Output files gone or of another size make the set stale.
    SetManifest fresh;
    ASSERT_TRUE(SetManifest::parse(m.text(), fresh));
    fresh.photos[0] = stampPhoto(photo, true);
    fresh.photos[0].path = "a.jpg";
    EXPECT_TRUE(setIsCurrent(fresh, "1.2", m.options, photos, page, refreshed));
    test::writeWholeFile(dir.file("shoe-turnpixa/zoom/image_000.jpg"), "cut");
    EXPECT_FALSE(setIsCurrent(fresh, "1.2", m.options, photos, page, refreshed));

    // Cut short or damaged text is no manifest.
    const std::string text = m.text();
    EXPECT_FALSE(SetManifest::parse(text.substr(0, text.size() - 4), read));
    EXPECT_FALSE(SetManifest::parse(text + "more\n", read));
    std::string damaged = text;
    damaged.replace(damaged.find("file ") + 5, 1, "x");
    EXPECT_FALSE(SetManifest::parse(damaged, read));
    m.options = {"--output=two\nlines"};
    EXPECT_EQ(m.text(), "") << "not kept: the set is made every time";
}

}  // namespace
}  // namespace turnpixa
