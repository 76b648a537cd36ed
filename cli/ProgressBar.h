#pragma once
#include <cstdio>
#include <string>

namespace turnpixa {

// A one-line progress bar on a terminal ("Loading  [#####.....]  12/36 name");
// silent when the stream is not a terminal or progress is off.
class ProgressBar {
public:
    ProgressBar(std::FILE* stream, bool enabled);
    ~ProgressBar();

    void show(const std::string& label, int done, int total, const std::string& item = {});
    // Ends the bar's line so that later output starts on a fresh line.
    void finish();
    // Prints a message line without breaking the bar.
    void message(const std::string& text);

private:
    std::FILE* stream_;
    bool enabled_;
    bool lineOpen_ = false;
};

}  // namespace turnpixa
