#include "SaneTestBackend.h"

#include "tests/support/SaneTestFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace turnpixa::test {

SaneTestConfig::SaneTestConfig(bool withTestBackend) {
    useSaneTestBackend(withTestBackend);
}

int ScriptedUser::selectSource(const std::vector<SaneDeviceInfo>& devices, int) {
    offered.clear();
    int chosen = -1;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        offered.push_back(devices[i].name);
        if (devices[i].name == choose) chosen = static_cast<int>(i);
    }
    return chosen;
}

void ScriptedUser::showSourceWindow(const SaneDeviceInfo&, SourceWindowEvents& events) {
    events_ = &events;
    windowOpen = true;
    ++windowsShown;
}

void ScriptedUser::hideSourceWindow() {
    windowOpen = false;
    events_ = nullptr;
}

bool ScriptedUser::pumpEvents() {
    // A script that ran out closes the window, so no test can hang here.
    if (++pumps > 1000) return false;
    if (!events_) return true;
    const std::string press = presses.empty() ? "Close" : presses.front();
    if (!presses.empty()) presses.pop_front();
    if (press == "Scan")
        events_->scanPressed();
    else if (press == "Close")
        events_->closePressed();
    return true;
}

bool ScriptedUser::askRetryCancel(const std::string& text) {
    questions.push_back(text);
    if (retryAnswers.empty()) return false;
    const bool retry = retryAnswers.front();
    retryAnswers.pop_front();
    return retry;
}

Acquired acquire(ScriptedUser& user, SaneSourceManager& manager) {
    Acquired result;
    CTwainSource source(manager, user);
    result.selected = source.SelectSource();
    if (result.selected) {
        do {
            RasterImage image;
            ++result.calls;
            if (source.AcquireImage(image)) result.images.push_back(std::move(image));
        } while (source.morePending() && result.calls < 100);
    }
    result.failure = source.failure();
    return result;
}

std::string scanimagePnm(const std::vector<std::string>& args) {
#ifdef SCANIMAGE
    std::string command = SCANIMAGE;
    for (const std::string& a : args) {
        command += " '";
        for (char c : a) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    command += " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    pclose(pipe);
    return out;
#else
    (void)args;
    return {};
#endif
}

bool pnmToRgb(const std::string& pnm, int& width, int& height, std::vector<std::uint8_t>& rgb) {
    std::size_t pos = 0;
    auto token = [&]() {
        for (;;) {
            while (pos < pnm.size() && std::isspace(static_cast<unsigned char>(pnm[pos]))) ++pos;
            if (pos < pnm.size() && pnm[pos] == '#') {
                while (pos < pnm.size() && pnm[pos] != '\n') ++pos;
                continue;
            }
            break;
        }
        const std::size_t begin = pos;
        while (pos < pnm.size() && !std::isspace(static_cast<unsigned char>(pnm[pos]))) ++pos;
        return pnm.substr(begin, pos - begin);
    };
    const std::string magic = token();
    width = std::atoi(token().c_str());
    height = std::atoi(token().c_str());
    const int maxval = magic == "P4" ? 1 : std::atoi(token().c_str());
    ++pos;  // the one blank before the data
    if (width <= 0 || height <= 0) return false;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t sampleBytes = maxval > 255 ? 2 : 1;
    const std::size_t channels = magic == "P6" ? 3 : 1;
    const std::size_t rowBytes = magic == "P4" ? (w + 7) / 8 : w * channels * sampleBytes;
    if (pnm.size() < pos + rowBytes * static_cast<std::size_t>(height)) return false;
    rgb.assign(w * static_cast<std::size_t>(height) * 3, 0);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(pnm.data()) + pos +
                          rowBytes * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < w; ++x) {
            std::uint8_t* out = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
            for (std::size_t c = 0; c < 3; ++c) {
                std::uint8_t v = 0;
                if (magic == "P4")
                    v = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0 : 255;
                else  // 16-bit PNM is big-endian: its first byte is the high one
                    v = row[(x * channels + (channels == 3 ? c : 0)) * sampleBytes];
                out[c] = v;
            }
        }
    }
    return true;
}

std::vector<std::uint8_t> imageRgb(const RasterImage& image) {
    std::vector<std::uint8_t> rgb;
    for (int y = 1; y <= image.height(); ++y)
        for (int x = 1; x <= image.width(); ++x) {
            std::uint8_t r = 0, g = 0, b = 0;
            image.getPixel(x, y, r, g, b);
            rgb.insert(rgb.end(), {r, g, b});
        }
    return rgb;
}

}  // namespace turnpixa::test
