#include "FailingWriter.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace turnpixa::test {
namespace {

struct Cookie {
    int fd;
    std::size_t budget;
    std::shared_ptr<std::size_t> written;
};

// A write that does not fit puts what fits on the disk and fails, as the
// kernel's write does on its second try (a cookie stream does not retry).
ssize_t writeSome(void* cookie, const char* data, std::size_t n) {
    auto* c = static_cast<Cookie*>(cookie);
    const std::size_t room = c->budget - std::min(c->budget, *c->written);
    const ssize_t done = ::write(c->fd, data, std::min(n, room));
    if (done > 0) *c->written += static_cast<std::size_t>(done);
    if (done < 0 || static_cast<std::size_t>(done) == n) return done;
    errno = ENOSPC;
    return 0;  // glibc takes -1 from a cookie as all written
}

int seekTo(void* cookie, off64_t* offset, int whence) {
    const off64_t at = ::lseek64(static_cast<Cookie*>(cookie)->fd, *offset, whence);
    if (at < 0) return -1;
    *offset = at;
    return 0;
}

int closeCookie(void* cookie) {
    auto* c = static_cast<Cookie*>(cookie);
    const int result = ::close(c->fd);
    delete c;
    return result;
}

}  // namespace

FailingWriter::FailingWriter(std::size_t budget)
    : budget_(budget), written_(std::make_shared<std::size_t>(0)) {}

std::FILE* FailingWriter::open(int fd) {
    auto* cookie = new Cookie{fd, budget_, written_};
    cookie_io_functions_t functions{};
    functions.write = writeSome;
    functions.seek = seekTo;
    functions.close = closeCookie;
    std::FILE* stream = ::fopencookie(cookie, "w", functions);
    if (!stream) {
        delete cookie;
        return nullptr;
    }
    // Unbuffered: each failing write reaches the caller with its errno.
    std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

}  // namespace turnpixa::test
