#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace turnpixa {

// The core shows no windows. The few messages that the image readers and
// writers raise go through this hook: the wizard answers it with a message
// box, the command-line program prints it, tests record it.
using ReportHandler = std::function<void(const std::string& title, const std::string& text)>;

// Installs a handler and returns the previous one. An empty handler restores
// the default, which prints "title: text" to standard error.
ReportHandler setReportHandler(ReportHandler handler);
void report(const std::string& title, const std::string& text);

// While one exists on a thread, what the readers say on that thread is kept
// here instead of reaching the handler: the loader tells the user once, with
// the file's name, whether the photo was refused or taken in part.
class ReportCapture {
public:
    ReportCapture();
    ~ReportCapture();
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    // The first message since the last clear(), empty when there was none.
    const std::string& first() const { return first_; }
    // Set by a reader that refused a picture for its size.
    std::int64_t refusedWidth() const { return width_; }
    std::int64_t refusedHeight() const { return height_; }
    void clear();

    void add(const std::string& text);
    void noteTooLarge(std::int64_t width, std::int64_t height);

private:
    ReportCapture* previous_;
    std::string first_;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
};

// Kept by the thread's capture, if any, and otherwise dropped: a reader
// refusing a picture for its size, or the library's reason for refusing one.
void noteTooLarge(std::int64_t width, std::int64_t height);
void noteRefusal(const std::string& text);
bool reportsCaptured();

}  // namespace turnpixa
