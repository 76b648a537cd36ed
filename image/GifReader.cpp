#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "GifLzwDecoder.h"
#include "ImageFormats.h"
#include "ImageReport.h"

namespace turnpixa {

namespace {

int readByte(BufferedFile& file) {
    std::uint8_t b = 0;
    return file.read(&b, 1) == 1 ? b : -1;
}

bool readTable(BufferedFile& file, int flags, std::vector<std::uint8_t>& table) {
    table.assign(static_cast<std::size_t>(3) << ((flags & 7) + 1), 0);
    return file.read(table.data(), table.size()) == table.size();
}

// Skips an extension: its label, then data sub-blocks up to a zero length.
bool skipExtension(BufferedFile& file) {
    if (readByte(file) < 0) return false;
    std::uint8_t block[255];
    for (;;) {
        const int length = readByte(file);
        if (length < 0) return false;
        if (length == 0) return true;
        if (file.read(block, static_cast<std::size_t>(length)) != static_cast<std::size_t>(length))
            return false;
    }
}

int bitsForTable(std::size_t entries) {
    return entries <= 2 ? 1 : entries <= 16 ? 4 : 8;
}

// Image row of each decoded row: top-down, or the four interlace passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int r = 0; r < height; ++r) order.push_back(r);
        return order;
    }
    const int starts[4] = {0, 4, 2, 1};
    const int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int r = starts[pass]; r < height; r += steps[pass]) order.push_back(r);
    return order;
}

void packRow(const std::uint8_t* indices, int width, int bits, std::uint8_t* row) {
    if (bits == 8) {
        std::memcpy(row, indices, static_cast<std::size_t>(width));
        return;
    }
    for (int x = 0; x < width; ++x) {
        const std::uint8_t v = indices[x];
        if (bits == 8)
            row[x] = v;
        else if (bits == 4)
            row[x / 2] |= static_cast<std::uint8_t>((v & 0x0F) << (x % 2 == 0 ? 4 : 0));
        else
            row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
    }
}

}  // namespace

// Reads the first image of a GIF file. Indices the data leaves short are 0;
// indices beyond the colour table show black.
bool readGif(BufferedFile& file, RasterImage& image) {
    image.clear();
    std::uint8_t header[13];
    if (file.read(header, 13) != 13 || std::memcmp(header, "GIF", 3) != 0 ||
        (std::memcmp(header + 3, "87a", 3) != 0 && std::memcmp(header + 3, "89a", 3) != 0))
        return false;
    std::vector<std::uint8_t> globalTable;
    if ((header[10] & 0x80) && !readTable(file, header[10], globalTable)) return false;

    for (;;) {
        const int introducer = readByte(file);
        if (introducer == 0) continue;
        if (introducer == 0x21) {
            if (!skipExtension(file)) return false;
            continue;
        }
        if (introducer == 0x2C) break;
        return false;  // end of file or an unknown block
    }

    std::uint8_t descriptor[9];
    if (file.read(descriptor, 9) != 9) return false;
    const int width = descriptor[4] | (descriptor[5] << 8);
    const int height = descriptor[6] | (descriptor[7] << 8);
    const int flags = descriptor[8];
    std::vector<std::uint8_t> localTable;
    if ((flags & 0x80) && !readTable(file, flags, localTable)) return false;
    const std::vector<std::uint8_t>& table = localTable.empty() ? globalTable : localTable;
    if (table.empty()) return false;
    const int bits = bitsForTable(table.size() / 3);
    if (!RasterImage::sizeAllowed(width, height, bits)) {
        noteTooLarge(width, height);
        return false;
    }

    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> indices;
    auto decoder = std::make_unique<GifLzwDecoder>();
    const bool decoded = decoder->decode(file, indices, count);
    if (!decoder->message().empty())
        report("GIF Error", decoder->message());
    else if (decoded && indices.size() < count)
        report("GIF Error", "the picture data end early; the rest of the picture is missing");
    if (!decoded || !image.create(width, height, bits, 0, 0)) {
        image.clear();
        return false;
    }
    for (std::size_t i = 0; i < table.size() / 3; ++i)
        image.setColour(static_cast<int>(i), table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
    // Rows the data leave short keep index 0, as the fresh image has it; a
    // tiny file claiming a huge picture costs no more than its data.
    const std::size_t rows = (indices.size() + width - 1) / width;
    indices.resize(rows * width, 0);
    const std::vector<int> order = rowOrder(height, (flags & 0x40) != 0);
    for (std::size_t k = 0; k < rows; ++k)
        packRow(indices.data() + k * width, width, bits, image.rowData(order[k]));
    return true;
}

}  // namespace turnpixa
