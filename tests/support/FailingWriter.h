#pragma once
#include <cstddef>
#include <cstdio>
#include <memory>

namespace turnpixa::test {

// Streams over file descriptors that share one budget of bytes: once it is
// spent every write fails with "No space left on device", as on a disk that
// fills up part-way through a save. Bytes up to the budget reach the file.
class FailingWriter {
public:
    explicit FailingWriter(std::size_t budget);

    // Takes the descriptor; closing the stream closes it. Null on failure.
    std::FILE* open(int fd);
    std::size_t written() const { return *written_; }

private:
    std::size_t budget_;
    std::shared_ptr<std::size_t> written_;  // shared with the open streams
};

}  // namespace turnpixa::test
