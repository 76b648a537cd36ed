#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "image/BufferedFile.h"
#include "image/ImageReport.h"
#include "image/RasterImage.h"

namespace turnpixa::test {

using Reader = bool (*)(BufferedFile&, RasterImage&);

// Path of a file under tests/data/image.
std::string imageData(const std::string& relative);
// Sorted paths of the regular files under tests/data/image/<folder>, recursively.
std::vector<std::string> imageFilesUnder(const std::string& folder);

// Opens the file and runs one reader on it.
bool readWith(Reader reader, const std::string& path, RasterImage& image);
// Runs one reader over bytes held in memory.
bool readBytesWith(Reader reader, const std::string& bytes, RasterImage& image);
// loadPhoto over bytes held in memory, under a given file name.
bool loadBytes(const std::string& bytes, const std::string& fileName, RasterImage& image);

// Records every report while it lives.
class RecordedReports {
public:
    RecordedReports();
    ~RecordedReports();
    RecordedReports(const RecordedReports&) = delete;
    RecordedReports& operator=(const RecordedReports&) = delete;

    const std::vector<std::pair<std::string, std::string>>& all() const { return *reports_; }
    std::size_t size() const { return reports_->size(); }

private:
    std::shared_ptr<std::vector<std::pair<std::string, std::string>>> reports_;
    ReportHandler previous_;
};

}  // namespace turnpixa::test
