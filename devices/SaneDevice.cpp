#include "SaneDevice.h"

#include <sane/sane.h>

#include <charconv>
#include <chrono>
#include <cstring>
#include <thread>

#include "image/RasterImage.h"

namespace turnpixa {

namespace {

SANE_Handle handleOf(void* h) {
    return static_cast<SANE_Handle>(h);
}

std::string text(SANE_String_Const s) {
    return s ? s : "";
}

// A page is never larger than the picture this program would accept.
constexpr std::int64_t kMaxSamplesBytes = RasterImage::kMaxPixels * 6;
// Empty reads in a row before a device that sends nothing counts as stuck
// (each waits a millisecond).
constexpr int kMaxEmptyReads = 10000;

SaneFrame::Format formatOf(SANE_Frame f, bool& known) {
    known = true;
    switch (f) {
        case SANE_FRAME_GRAY:
            return SaneFrame::Format::Gray;
        case SANE_FRAME_RGB:
            return SaneFrame::Format::Rgb;
        case SANE_FRAME_RED:
            return SaneFrame::Format::Red;
        case SANE_FRAME_GREEN:
            return SaneFrame::Format::Green;
        case SANE_FRAME_BLUE:
            return SaneFrame::Format::Blue;
    }
    known = false;
    return SaneFrame::Format::Gray;
}

}  // namespace

SaneSession::SaneSession() {
    SANE_Int version = 0;
    ok_ = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

SaneSession::~SaneSession() {
    if (ok_) sane_exit();
}

std::vector<SaneDeviceInfo> SaneSession::devices() const {
    std::vector<SaneDeviceInfo> list;
    const SANE_Device** devices = nullptr;
    if (!ok_ || sane_get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || !devices) return list;
    for (int i = 0; devices[i]; ++i)
        list.push_back({text(devices[i]->name), text(devices[i]->vendor), text(devices[i]->model),
                        text(devices[i]->type)});
    return list;
}

SaneDevice::~SaneDevice() {
    close();
}

bool SaneDevice::open(const std::string& name, std::string& reason) {
    close();
    SANE_Handle h = nullptr;
    const SANE_Status status = sane_open(name.c_str(), &h);
    if (status != SANE_STATUS_GOOD || !h) {
        reason = sane_strstatus(status);
        return false;
    }
    handle_ = h;
    return true;
}

void SaneDevice::close() {
    if (!handle_) return;
    endBatch();
    sane_close(handleOf(handle_));
    handle_ = nullptr;
}

void SaneDevice::endBatch() {
    if (handle_ && scanning_) sane_cancel(handleOf(handle_));
    scanning_ = false;
}

int SaneDevice::findOption(const std::string& name) const {
    if (!handle_) return -1;
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(handleOf(handle_), i);
        if (!d) return -1;
        if (d->name && name == d->name) return i;
    }
}

bool SaneDevice::setOption(const std::string& name, const std::string& value, std::string& reason) {
    const int index = findOption(name);
    const SANE_Option_Descriptor* d =
        index < 0 ? nullptr : sane_get_option_descriptor(handleOf(handle_), index);
    if (!d) {
        reason = "the scanner has no option \"" + name + "\"";
        return false;
    }
    if (!SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap)) {
        reason = "the scanner's option \"" + name + "\" cannot be set now";
        return false;
    }
    std::vector<char> buffer;
    SANE_Word word = 0;
    void* data = &word;
    const char* begin = value.data();
    const char* end = begin + value.size();
    bool parsed = false;
    switch (d->type) {
        case SANE_TYPE_STRING:
            if (d->size < 1 || value.size() >= static_cast<std::size_t>(d->size)) break;
            buffer.assign(value.begin(), value.end());
            buffer.resize(static_cast<std::size_t>(d->size), '\0');
            data = buffer.data();
            parsed = true;
            break;
        case SANE_TYPE_BOOL:
            parsed = value == "yes" || value == "true" || value == "no" || value == "false";
            word = (value == "yes" || value == "true") ? SANE_TRUE : SANE_FALSE;
            break;
        case SANE_TYPE_INT: {
            int n = 0;
            const auto r = std::from_chars(begin, end, n);
            parsed = r.ec == std::errc() && r.ptr == end && d->size == sizeof(SANE_Word);
            word = n;
            break;
        }
        case SANE_TYPE_FIXED: {
            double v = 0;
            const auto r = std::from_chars(begin, end, v);
            parsed = r.ec == std::errc() && r.ptr == end && d->size == sizeof(SANE_Word) &&
                     v > -32768.0 && v < 32768.0;
            word = SANE_FIX(v);
            break;
        }
        default:
            break;
    }
    if (!parsed) {
        reason = "the scanner's option \"" + name + "\" does not take \"" + value + "\"";
        return false;
    }
    SANE_Int info = 0;
    const SANE_Status status =
        sane_control_option(handleOf(handle_), index, SANE_ACTION_SET_VALUE, data, &info);
    if (status != SANE_STATUS_GOOD) {
        reason =
            "the scanner refused \"" + value + "\" for \"" + name + "\": " + sane_strstatus(status);
        return false;
    }
    return true;
}

std::string SaneDevice::optionText(const std::string& name) const {
    const int index = findOption(name);
    if (index < 0) return {};
    const SANE_Option_Descriptor* d = sane_get_option_descriptor(handleOf(handle_), index);
    if (!d || d->type != SANE_TYPE_STRING || d->size < 1 || !SANE_OPTION_IS_ACTIVE(d->cap))
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(d->size) + 1, '\0');
    if (sane_control_option(handleOf(handle_), index, SANE_ACTION_GET_VALUE, buffer.data(),
                            nullptr) != SANE_STATUS_GOOD)
        return {};
    return std::string(buffer.data());
}

std::vector<std::string> SaneDevice::optionChoices(const std::string& name) const {
    std::vector<std::string> choices;
    const int index = findOption(name);
    if (index < 0) return choices;
    const SANE_Option_Descriptor* d = sane_get_option_descriptor(handleOf(handle_), index);
    if (!d || d->type != SANE_TYPE_STRING || d->constraint_type != SANE_CONSTRAINT_STRING_LIST ||
        !d->constraint.string_list)
        return choices;
    for (int i = 0; d->constraint.string_list[i]; ++i)
        choices.emplace_back(d->constraint.string_list[i]);
    return choices;
}

SaneDevice::PageResult SaneDevice::scanPage(std::vector<SaneFrame>& frames, std::string& reason) {
    frames.clear();
    if (!handle_) {
        reason = "the scanner is not open";
        return PageResult::Failed;
    }
    for (;;) {
        const SANE_Status status = sane_start(handleOf(handle_));
        if (status == SANE_STATUS_NO_DOCS && frames.empty()) {
            endBatch();
            return PageResult::NoDocuments;
        }
        if (status != SANE_STATUS_GOOD) {
            scanning_ = true;
            endBatch();
            reason = sane_strstatus(status);
            return status == SANE_STATUS_CANCELLED ? PageResult::Cancelled : PageResult::Failed;
        }
        scanning_ = true;
        SaneFrame frame;
        if (!readFrame(frame, reason)) {
            endBatch();
            return reason == sane_strstatus(SANE_STATUS_CANCELLED) ? PageResult::Cancelled
                                                                   : PageResult::Failed;
        }
        const bool last = frame.lastFrame;
        frames.push_back(std::move(frame));
        if (last) return PageResult::Page;
        // A three-pass scanner sends red, green and blue one after the other.
        if (frames.size() >= 3) {
            endBatch();
            reason = "the scanner sent more frames than one picture has";
            return PageResult::Failed;
        }
    }
}

bool SaneDevice::readFrame(SaneFrame& frame, std::string& reason) {
    SANE_Parameters p{};
    const SANE_Status ps = sane_get_parameters(handleOf(handle_), &p);
    if (ps != SANE_STATUS_GOOD) {
        reason = sane_strstatus(ps);
        return false;
    }
    bool known = false;
    frame.format = formatOf(p.format, known);
    frame.lastFrame = p.last_frame != SANE_FALSE;
    frame.bytesPerLine = p.bytes_per_line;
    frame.pixelsPerLine = p.pixels_per_line;
    frame.lines = p.lines;
    frame.depth = p.depth;
    if (!known || p.bytes_per_line < 1 || p.bytes_per_line > kMaxSamplesBytes || p.lines < -1) {
        reason = "the scanner announced a picture this program cannot take";
        return false;
    }
    // Known lines: exactly that much data; unknown: up to the largest page.
    const std::int64_t limit = p.lines >= 0
                                   ? std::int64_t{p.bytes_per_line} * p.lines
                                   : kMaxSamplesBytes / p.bytes_per_line * p.bytes_per_line;
    if (limit > kMaxSamplesBytes) {
        reason = "the scanned page is too large";
        return false;
    }
    std::vector<SANE_Byte> chunk(64 * 1024);
    int emptyReads = 0;
    for (;;) {
        SANE_Int got = 0;
        const SANE_Status rs =
            sane_read(handleOf(handle_), chunk.data(), static_cast<SANE_Int>(chunk.size()), &got);
        if (rs == SANE_STATUS_EOF) return true;
        if (rs != SANE_STATUS_GOOD) {
            reason = sane_strstatus(rs);
            return false;
        }
        if (got <= 0 || got > static_cast<SANE_Int>(chunk.size())) {
            if (got < 0 || got > static_cast<SANE_Int>(chunk.size()) ||
                ++emptyReads > kMaxEmptyReads) {
                reason = "the scanner stopped sending";
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        emptyReads = 0;
        if (static_cast<std::int64_t>(frame.data.size()) + got > limit) {
            reason = p.lines >= 0 ? "the scanner sent more than it announced"
                                  : "the scanned page is too large";
            return false;
        }
        frame.data.insert(frame.data.end(), chunk.data(), chunk.data() + got);
    }
}

}  // namespace turnpixa
