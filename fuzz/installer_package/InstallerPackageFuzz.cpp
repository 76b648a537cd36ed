// Arbitrary bytes as an installer package: read the trailer and directory,
// then extract every entry. Each input is read as it is and once more with
// its checksums put right, as random changes break those first, so that the
// directory and the entries' decoding are reached too.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "installer/Package.h"
#include "installer/PackageFormat.h"

namespace {

namespace format = turnpixa::setup::format;

// Goes on past a checksum mismatch so that the directory is read too.
class YesUi : public turnpixa::setup::Ui {
public:
    void message(const std::string&, const std::string&, turnpixa::setup::Icon) override {}
    turnpixa::setup::Answer ask(const std::string&, const std::string&, turnpixa::setup::Icon,
                                turnpixa::setup::Buttons, turnpixa::setup::Answer) override {
        return turnpixa::setup::Answer::Yes;
    }
};

// Entry checksums of the records that lie in the file, then the trailer sum
// and the package checksum; the magics are left as they are.
std::string withChecksumsRepaired(std::string pkg) {
    if (pkg.size() < format::kTrailerSize) return pkg;
    auto* raw = reinterpret_cast<unsigned char*>(pkg.data());
    const std::size_t end = pkg.size() - format::kTrailerSize;
    unsigned char* trailer = raw + end;
    const format::Trailer t = format::decodeTrailer(trailer);
    std::uint64_t budget = std::uint64_t(16) << 20;  // bytes summed, for overlapping entries
    std::size_t at = t.directoryOffset;
    for (std::uint32_t i = 0; i < t.entryCount && at <= end && end - at >= format::kRecordFixedSize;
         ++i) {
        const std::uint64_t offset = format::getU32(raw + at);
        const std::uint64_t size = format::getU32(raw + at + 4);
        if (offset + size <= end && size <= budget) {
            std::uint32_t sum = 0;
            for (std::uint64_t k = 0; k < size; ++k) sum += raw[offset + k];
            format::putU32(raw + at + 12, sum);
            budget -= size;
        }
        at += format::kRecordFixedSize + raw[at + 16];
    }
    format::putU32(trailer + 4, format::trailerSum(trailer));
    std::uint32_t sum = 0;
    for (std::size_t k = 0; k < end; k += format::kChecksumBlock)
        sum = format::addChecksumBlock(sum, raw + k, std::min(format::kChecksumBlock, end - k));
    format::putU32(trailer, sum == 0 ? 1 : sum);
    return pkg;
}

void readAndExtract(const std::string& bytes) {
    const int fd = ::memfd_create("package", MFD_CLOEXEC);
    if (fd < 0) return;
    if (::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
        YesUi ui;
        turnpixa::setup::Package package(ui);
        package.open("/proc/self/fd/" + std::to_string(fd), false);
        for (std::size_t i = 0; !package.entryName(i).empty(); ++i)
            package.extract(package.entryName(i), "/dev/null");
    }
    ::close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readAndExtract(bytes);
    const std::string repaired = withChecksumsRepaired(bytes);
    if (repaired != bytes) readAndExtract(repaired);
    return 0;
}
