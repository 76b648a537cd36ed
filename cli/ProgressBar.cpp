#include "ProgressBar.h"

#include <unistd.h>

namespace turnpixa {

ProgressBar::ProgressBar(std::FILE* stream, bool enabled)
    : stream_(stream), enabled_(enabled && isatty(fileno(stream))) {}

ProgressBar::~ProgressBar() {
    finish();
}

void ProgressBar::show(const std::string& label, int done, int total, const std::string& item) {
    if (!enabled_ || total <= 0) return;
    constexpr int kWidth = 30;
    const int filled = done * kWidth / total;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kWidth - filled), '.');
    std::string shown = item;
    if (shown.size() > 40) shown = "..." + shown.substr(shown.size() - 37);
    std::fprintf(stream_, "\r%-8s [%s] %3d/%-3d %-40s", label.c_str(), bar.c_str(), done, total,
                 shown.c_str());
    std::fflush(stream_);
    lineOpen_ = true;
}

void ProgressBar::finish() {
    if (lineOpen_) std::fputc('\n', stream_);
    lineOpen_ = false;
}

void ProgressBar::message(const std::string& text) {
    finish();
    std::fprintf(stream_, "%s\n", text.c_str());
}

}  // namespace turnpixa
