#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "FormatTestUtil.h"
#include "image/ImageFormats.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

using Colour = std::array<std::uint8_t, 3>;

// A GIF LZW encoder written from the format's rules, independent of the
// decoder under test: real dictionary compression, a clear code when the
// table is full unless `deferClear` (then the table stays full).
class LzwEncoder {
public:
    LzwEncoder(int minimum, bool deferClear) : minimum_(minimum), deferClear_(deferClear) {}

    std::string encode(const std::vector<std::uint8_t>& indices) {
        const int clear = 1 << minimum_;
        reset();
        put(clear);
        if (indices.empty()) {
            put(clear + 1);
            return finish();
        }
        int prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const int c = indices[i];
            const auto found = table_.find({prefix, c});
            if (found != table_.end()) {
                prefix = found->second;
                continue;
            }
            put(prefix);
            if (next_ < 4096) {
                table_[{prefix, c}] = next_++;
                if (next_ > (1 << width_) && width_ < 12) ++width_;
            }
            if (next_ == 4096 && !deferClear_) {
                put(clear);
                reset();
            }
            prefix = c;
        }
        put(prefix);
        put(clear + 1);
        return finish();
    }

    // The code sequence raw, for streams no encoder would write.
    std::string raw(const std::vector<int>& codes, int width) {
        width_ = width;
        for (int c : codes) put(c);
        return finish();
    }

private:
    void reset() {
        table_.clear();
        width_ = minimum_ + 1;
        next_ = (1 << minimum_) + 2;
    }
    void put(int code) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width_;
        while (count_ >= 8) {
            out_.push_back(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::string finish() {
        if (count_ > 0) out_.push_back(static_cast<char>(bits_ & 0xFF));
        bits_ = 0;
        count_ = 0;
        return std::move(out_);
    }

    int minimum_;
    bool deferClear_;
    int width_ = 0;
    int next_ = 0;
    std::map<std::pair<int, int>, int> table_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
    std::string out_;
};

std::string le16(int v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string subBlocks(const std::string& data) {
    std::string out;
    for (std::size_t i = 0; i < data.size(); i += 255) {
        const std::string part = data.substr(i, 255);
        out.push_back(static_cast<char>(part.size()));
        out += part;
    }
    out.push_back('\0');
    return out;
}

// Colour table padded to 2^(n+1) entries; returns the size bits n.
int tableBits(std::size_t entries) {
    int n = 0;
    while ((2u << n) < entries) ++n;
    return n;
}
std::string tableBytes(const std::vector<Colour>& colours) {
    const std::size_t size = 2u << tableBits(colours.size());
    std::string out;
    for (std::size_t i = 0; i < size; ++i)
        for (int c = 0; c < 3; ++c)
            out.push_back(static_cast<char>(i < colours.size() ? colours[i][c] : 0));
    return out;
}

struct GifImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // in stream order
    bool interlaced = false;
    std::vector<Colour> localTable;
    std::string data;  // LZW data with the code size byte; made from indices when empty
};

std::string makeGif(const std::vector<Colour>& globalTable, const std::vector<GifImage>& images,
                    int minimum = 0) {
    std::string out = "GIF89a";
    out += le16(images.empty() ? 1 : images[0].width) + le16(images.empty() ? 1 : images[0].height);
    out.push_back(
        static_cast<char>(globalTable.empty() ? 0 : 0x80 | tableBits(globalTable.size())));
    out += std::string("\0\0", 2);
    if (!globalTable.empty()) out += tableBytes(globalTable);
    out += "\x21\xF9\x04" + std::string("\0\0\0\0", 4) + std::string(1, '\0');  // graphic control
    for (const GifImage& img : images) {
        out.push_back(',');
        out += le16(0) + le16(0) + le16(img.width) + le16(img.height);
        int flags = img.interlaced ? 0x40 : 0;
        if (!img.localTable.empty()) flags |= 0x80 | tableBits(img.localTable.size());
        out.push_back(static_cast<char>(flags));
        if (!img.localTable.empty()) out += tableBytes(img.localTable);
        if (!img.data.empty()) {
            out += img.data;
        } else {
            const int m = minimum > 0 ? minimum : 8;
            out.push_back(static_cast<char>(m));
            out += subBlocks(LzwEncoder(m, false).encode(img.indices));
        }
    }
    out.push_back(';');
    return out;
}

std::vector<Colour> greyColours(int n) {
    std::vector<Colour> c;
    for (int i = 0; i < n; ++i)
        c.push_back({static_cast<std::uint8_t>(i * 3), static_cast<std::uint8_t>(i * 5 % 256),
                     static_cast<std::uint8_t>(255 - i)});
    return c;
}

std::uint8_t indexAt(const RasterImage& image, int x, int y) {
    std::uint8_t v = 0;
    image.getIndex(x, y, v);
    return v;
}

TEST(GifReader, DecodesCompressedDataOfEveryRunLength) {
    // Long runs and repeats exercise the KwKwK case, the code width growing to
    // 12 bits, and a clear code when the table fills.
    GifImage img;
    img.width = 300;
    img.height = 200;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            img.indices.push_back(static_cast<std::uint8_t>(
                y < 50 ? 7 : (x * x + y * 31) % 251 / ((x / 16) % 5 + 1)));
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif(greyColours(256), {img}), image));
    ASSERT_EQ(image.bitsPerPixel(), 8);
    ASSERT_EQ(image.width(), 300);
    ASSERT_EQ(image.height(), 200);
    int wrong = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            wrong += indexAt(image, x + 1, y + 1) !=
                     img.indices[static_cast<std::size_t>(y) * img.width + x];
    EXPECT_EQ(wrong, 0);
}

TEST(GifReader, PlacesInterlacedRowsInTheirPasses) {
    GifImage img;
    img.width = 3;
    img.height = 11;
    img.interlaced = true;
    // Stream order: rows 0 8 | 4 | 2 6 10 | 1 3 5 7 9; each row holds its own number.
    const int streamRows[] = {0, 8, 4, 2, 6, 10, 1, 3, 5, 7, 9};
    for (int r : streamRows)
        for (int x = 0; x < img.width; ++x) img.indices.push_back(static_cast<std::uint8_t>(r + 1));
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif(greyColours(16), {img}), image));
    for (int y = 0; y < img.height; ++y) EXPECT_EQ(indexAt(image, 2, y + 1), y + 1) << "row " << y;
}

TEST(GifReader, ShowsOnlyTheFirstImage) {
    GifImage first, second;
    first.width = second.width = 4;
    first.height = second.height = 2;
    first.indices.assign(8, 1);
    second.indices.assign(8, 0);
    second.localTable = {{9, 9, 9}, {8, 8, 8}};
    RasterImage image;
    ASSERT_TRUE(
        test::readBytesWith(readGif, makeGif({{0, 0, 0}, {255, 0, 0}}, {first, second}), image));
    EXPECT_EQ(image.bitsPerPixel(), 1);
    std::uint8_t r = 0, g = 0, b = 0;
    image.getPixel(4, 2, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
}

TEST(GifReader, DepthAndColourTableFollowTheTableSize) {
    GifImage img;
    img.width = 16;
    img.height = 1;
    for (int i = 0; i < 16; ++i) img.indices.push_back(static_cast<std::uint8_t>(15 - i));
    RasterImage image;
    const std::vector<Colour> sixteen = greyColours(16);
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif(sixteen, {img}), image));
    EXPECT_EQ(image.bitsPerPixel(), 4);
    for (int x = 1; x <= 16; ++x) {  // nibbles unpacked in order, looked up in the table
        std::uint8_t r = 0, g = 0, b = 0;
        image.getPixel(x, 1, r, g, b);
        EXPECT_EQ((Colour{r, g, b}), sixteen[16 - x]) << "pixel " << x;
    }

    // Three colours travel in a table of four: four bits, entries 4 ... 15 black.
    img.indices.assign(16, 2);
    ASSERT_TRUE(test::readBytesWith(
        readGif, makeGif({{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}, {img}), image));
    EXPECT_EQ(image.bitsPerPixel(), 4);
    const std::uint8_t* table = image.colourTable();
    EXPECT_EQ(table[2 * 4 + 2], 70);  // blue, green, red, 0
    EXPECT_EQ(table[2 * 4 + 1], 80);
    EXPECT_EQ(table[2 * 4], 90);
    for (int i = 3; i < 16; ++i)
        EXPECT_EQ(table[i * 4] + table[i * 4 + 1] + table[i * 4 + 2], 0) << i;

    // Two colours: one bit per pixel, first pixel in the top bit.
    img.width = 10;
    img.indices = {1, 0, 0, 1, 1, 1, 0, 0, 0, 1};
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif({{0, 0, 0}, {255, 255, 255}}, {img}), image));
    EXPECT_EQ(image.bitsPerPixel(), 1);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(indexAt(image, x + 1, 1), img.indices[x]) << x;
}

TEST(GifReader, IndicesBeyondAFourBitTableStayInTheirOwnPixel) {
    GifImage img;
    img.width = 4;
    img.height = 1;
    img.indices = {200, 1, 255, 3};  // a file may code indices its table lacks
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif(greyColours(16), {img}), image));
    EXPECT_EQ(indexAt(image, 2, 1), 1);
    EXPECT_EQ(indexAt(image, 4, 1), 3);
}

TEST(GifReader, RefusesBrokenFiles) {
    RasterImage image;
    GifImage img;
    img.width = 2;
    img.height = 2;
    img.indices = {0, 1, 1, 0};
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif({}, {img}), image)) << "no colour table";
    img.width = 0;
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif(greyColours(4), {img}), image))
        << "zero width";
    EXPECT_TRUE(image.empty());
    img.width = 2;
    img.height = 0;
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif(greyColours(4), {img}), image))
        << "zero height";
    std::string noImage = makeGif(greyColours(4), {});
    EXPECT_FALSE(test::readBytesWith(readGif, noImage, image)) << "no image";
    EXPECT_FALSE(test::readBytesWith(readGif, "GIF88a" + noImage.substr(6), image)) << "version";
    EXPECT_FALSE(test::readWith(readGif, test::imageData("gif/zero_width.gif"), image));

    // A code beyond the next free entry: clear (4), literal 1, then 7 while 6 is next.
    img.height = 2;
    img.data = std::string(1, '\2') + subBlocks(LzwEncoder(2, false).raw({4, 1, 7, 5}, 3));
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif(greyColours(4), {img}), image));
    // Code sizes the table cannot hold.
    img.data = std::string(1, '\x0C') + subBlocks(std::string(10, '\0'));
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif(greyColours(4), {img}), image));
    img.data = std::string(1, '\0') + subBlocks(std::string(10, '\0'));
    EXPECT_FALSE(test::readBytesWith(readGif, makeGif(greyColours(4), {img}), image));
}

TEST(GifReader, AFullTableIsReportedOncePerFile) {
    GifImage img;
    img.width = 200;
    img.height = 200;
    std::uint32_t seed = 12345;  // noise, so that the table fills long before the end
    for (int i = 0; i < img.width * img.height; ++i) {
        seed = seed * 1103515245u + 12345u;
        img.indices.push_back(static_cast<std::uint8_t>((seed >> 16) % 64));
    }
    img.data = std::string(1, '\x08') + subBlocks(LzwEncoder(8, true).encode(img.indices));
    test::RecordedReports reports;
    RasterImage image;
    ASSERT_TRUE(test::readBytesWith(readGif, makeGif(greyColours(256), {img}), image));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.all()[0].second, "Error: LoadGif(): Decode(): 'avail' too high: 4096");
    // The codes after the table filled still name table entries, so the picture is whole.
    int wrong = 0;
    for (int i = 0; i < img.width * img.height; ++i)
        wrong += indexAt(image, i % img.width + 1, i / img.width + 1) !=
                 img.indices[static_cast<std::size_t>(i)];
    EXPECT_EQ(wrong, 0);
}

TEST(GifReader, DataEndingEarlyLeavesTheRestAtIndexZero) {
    GifImage img;
    img.width = 64;
    img.height = 64;
    img.indices.assign(64 * 64, 5);
    std::string gif = makeGif(greyColours(8), {img});
    RasterImage full;
    ASSERT_TRUE(test::readBytesWith(readGif, gif, full));
    // Keep the header and only the first few data bytes.
    const std::size_t dataStart = gif.find(',') + 10 + 1;
    for (std::size_t cut = dataStart + 4; cut < dataStart + 10; ++cut) {
        RasterImage image;
        std::string shortGif = gif.substr(0, cut);
        shortGif[dataStart] = static_cast<char>(cut - dataStart - 1);  // sub-block length that fits
        ASSERT_TRUE(test::readBytesWith(readGif, shortGif, image)) << cut;
        EXPECT_EQ(indexAt(image, 64, 64), 0) << cut;
        EXPECT_EQ(indexAt(image, 1, 1), 5) << cut;
    }
}

}  // namespace
}  // namespace turnpixa
