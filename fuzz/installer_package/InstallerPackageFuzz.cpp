// Arbitrary bytes as an installer package: read the trailer and directory,
// then extract every entry.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "installer/Package.h"

namespace {

// Goes on past a checksum mismatch so that the directory is read too.
class YesUi : public turnpixa::setup::Ui {
public:
    void message(const std::string&, const std::string&, turnpixa::setup::Icon) override {}
    turnpixa::setup::Answer ask(const std::string&, const std::string&, turnpixa::setup::Icon,
                                turnpixa::setup::Buttons, turnpixa::setup::Answer) override {
        return turnpixa::setup::Answer::Yes;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("package", MFD_CLOEXEC);
    if (fd < 0) return 0;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        YesUi ui;
        turnpixa::setup::Package package(ui);
        package.open("/proc/self/fd/" + std::to_string(fd), false);
        for (std::size_t i = 0; !package.entryName(i).empty(); ++i)
            package.extract(package.entryName(i), "/dev/null");
    }
    ::close(fd);
    return 0;
}
