// libzip adapter: the archive is built in a memory source, so that the
// caller decides how the file is put in place.
#include "StoredZip.h"

#include <zip.h>

#include <cstdio>
#include <memory>

namespace turnpixa {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

std::string errorText(zip_error_t* error) {
    return std::string("the zip file could not be made: ") + zip_error_strerror(error);
}

// Reads the finished archive out of its memory source.
bool readBack(zip_source_t* source, std::vector<std::uint8_t>& archive, std::string& reason) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(source) != 0) {
        reason = errorText(zip_source_error(source));
        return false;
    }
    archive.resize(static_cast<std::size_t>(stat.size));
    const zip_int64_t got = zip_source_read(source, archive.data(), stat.size);
    zip_source_close(source);
    if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size) {
        reason = "the zip file could not be made: it could not be read back";
        return false;
    }
    return true;
}

}  // namespace

void StoredZip::add(std::string name, std::vector<std::uint8_t> bytes) {
    entries_.push_back({std::move(name), std::move(bytes)});
}

bool StoredZip::make(std::vector<std::uint8_t>& archive, std::string& reason) const {
    archive.clear();
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceFreer> buffer(
        zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        reason = errorText(&error);
        zip_error_fini(&error);
        return false;
    }
    std::unique_ptr<zip_t, ArchiveCloser> zip(
        zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!zip) {
        reason = errorText(&error);
        zip_error_fini(&error);
        return false;
    }
    zip_error_fini(&error);
    // The archive now holds the buffer; kept here for reading it back.
    zip_source_keep(buffer.get());

    for (const Entry& e : entries_) {
        zip_source_t* data =
            zip_source_buffer(zip.get(), e.bytes.data(), e.bytes.size(), 0 /* not freed */);
        if (!data) {
            reason = errorText(zip_get_error(zip.get()));
            return false;
        }
        const zip_int64_t index = zip_file_add(zip.get(), e.name.c_str(), data, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(data);
            reason = errorText(zip_get_error(zip.get()));
            return false;
        }
        const auto i = static_cast<zip_uint64_t>(index);
        // A plain file readable by everyone, as unzip makes it.
        constexpr zip_uint32_t kMode = 0100644;
        if (zip_set_file_compression(zip.get(), i, ZIP_CM_STORE, 0) != 0 ||
            zip_file_set_dostime(zip.get(), i, kDosTime, kDosDate, 0) != 0 ||
            zip_file_set_external_attributes(zip.get(), i, 0, ZIP_OPSYS_UNIX, kMode << 16) != 0) {
            reason = errorText(zip_get_error(zip.get()));
            return false;
        }
    }
    if (zip_close(zip.get()) != 0) {
        reason = errorText(zip_get_error(zip.get()));
        return false;
    }
    zip.release();  // closed: nothing left to discard
    return readBack(buffer.get(), archive, reason);
}

}  // namespace turnpixa
