#include "FormatTestUtil.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "image/ImageFormats.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

std::string imageData(const std::string& relative) {
    return dataFile("image/" + relative);
}

std::vector<std::string> imageFilesUnder(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(imageData(folder)))
        if (e.is_regular_file()) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

bool readWith(Reader reader, const std::string& path, RasterImage& image) {
    BufferedFile file;
    if (!file.open(path, BufferedFile::Mode::Read)) return false;
    return reader(file, image);
}

namespace {

template <typename F>
bool overMemory(const std::string& bytes, F&& f) {
    BufferedFile file;
    file.openMemory(bytes);
    return f(file);
}

}  // namespace

bool readBytesWith(Reader reader, const std::string& bytes, RasterImage& image) {
    return overMemory(bytes, [&](BufferedFile& file) { return reader(file, image); });
}

bool loadBytes(const std::string& bytes, const std::string& fileName, RasterImage& image) {
    return overMemory(bytes, [&](BufferedFile& file) { return loadPhoto(file, fileName, image); });
}

RecordedReports::RecordedReports()
    : reports_(std::make_shared<std::vector<std::pair<std::string, std::string>>>()) {
    auto sink = reports_;
    previous_ = setReportHandler([sink](const std::string& title, const std::string& text) {
        sink->emplace_back(title, text);
    });
}

RecordedReports::~RecordedReports() {
    setReportHandler(previous_);
}

}  // namespace turnpixa::test
