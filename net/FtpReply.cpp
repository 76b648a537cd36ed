#include "FtpReply.h"

#include <arpa/inet.h>

#include <charconv>
#include <vector>

namespace turnpixa {

void FtpReplyAssembler::reset() {
    line_.clear();
    sawCr_ = false;
    complete_ = false;
    lines_ = 0;
    multiCode_.clear();
}

FtpReplyAssembler::State FtpReplyAssembler::feed(char byte) {
    if (complete_) {
        line_.clear();
        complete_ = false;
    }
    if (byte == '\n' && sawCr_) {
        line_.pop_back();  // the CR
        sawCr_ = false;
        return endLine();
    }
    sawCr_ = byte == '\r';
    if (line_.size() >= kMaxLine) return State::TooLong;
    line_.push_back(byte);
    return State::More;
}

FtpReplyAssembler::State FtpReplyAssembler::endLine() {
    complete_ = true;
    if (++lines_ > kMaxLines) return State::TooLong;
    const auto code = [this] {
        std::size_t n = 0;
        while (n < line_.size() && line_[n] >= '0' && line_[n] <= '9') ++n;
        return line_.substr(0, n);
    };
    if (multiCode_.empty()) {
        if (line_.size() > 3 && line_[3] == '-') {
            multiCode_ = code();
            // "-" after something that is no number: no closing line can match.
            if (!multiCode_.empty()) return State::More;
        }
        if (line_.empty()) return State::More;  // a stray blank line is no reply
        return State::Done;
    }
    if (line_.size() >= 4 && line_[3] == ' ' && code() == multiCode_) {
        multiCode_.clear();
        return State::Done;
    }
    return State::More;
}

int replyNumber(std::string_view text) {
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data() || value < 0) return -1;
    return value;
}

bool parsePasvReply(std::string_view text, std::string& host, int& port) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return false;
    std::string_view inside = text.substr(open + 1, close - open - 1);
    std::vector<int> numbers;
    while (true) {
        int value = 0;
        const auto [end, ec] = std::from_chars(inside.data(), inside.data() + inside.size(), value);
        if (ec != std::errc() || end == inside.data() || value < 0 || value > 255) return false;
        numbers.push_back(value);
        inside.remove_prefix(static_cast<std::size_t>(end - inside.data()));
        if (inside.empty()) break;
        if (inside[0] != ',' || numbers.size() == 6) return false;
        inside.remove_prefix(1);
    }
    if (numbers.size() != 6) return false;
    port = numbers[4] * 256 + numbers[5];
    if (port == 0) return false;
    host = std::to_string(numbers[0]) + "." + std::to_string(numbers[1]) + "." +
           std::to_string(numbers[2]) + "." + std::to_string(numbers[3]);
    return true;
}

bool parsePasvPort(std::string_view text, int& port) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return false;
    const std::string_view inside = text.substr(open + 1, close - open - 1);
    const std::size_t last = inside.rfind(',');
    if (last == std::string_view::npos || last == 0) return false;
    const std::size_t before = inside.rfind(',', last - 1);
    const std::string_view high =
        inside.substr(before == std::string_view::npos ? 0 : before + 1,
                      last - (before == std::string_view::npos ? 0 : before + 1));
    const std::string_view low = inside.substr(last + 1);
    const auto number = [](std::string_view t, int& value) {
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
        return ec == std::errc() && end == t.data() + t.size() && !t.empty() && value >= 0 &&
               value <= 255;
    };
    int h = 0;
    int l = 0;
    if (before == std::string_view::npos || !number(high, h) || !number(low, l)) return false;
    if (h * 256 + l == 0) return false;
    port = h * 256 + l;
    return true;
}

std::string portArgument(const std::string& address, int port) {
    in_addr probe{};
    if (inet_pton(AF_INET, address.c_str(), &probe) != 1 || port <= 0 || port > 65535) return {};
    std::string text = address;
    for (char& c : text)
        if (c == '.') c = ',';
    return text + "," + std::to_string(port / 256) + "," + std::to_string(port % 256);
}

bool parseEpsvReply(std::string_view text, int& port) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.size() - open < 6) return false;
    std::string_view rest = text.substr(open + 1);
    const char d = rest[0];
    if (d < 33 || d > 126 || (d >= '0' && d <= '9') || rest[1] != d || rest[2] != d) return false;
    rest.remove_prefix(3);
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end == rest.data() || value < 1 || value > 65535) return false;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    if (rest.size() < 2 || rest[0] != d || rest[1] != ')') return false;
    port = value;
    return true;
}

std::string eprtArgument(const std::string& address, int port) {
    if (port <= 0 || port > 65535) return {};
    in_addr probe4{};
    in6_addr probe6{};
    const char* family = inet_pton(AF_INET, address.c_str(), &probe4) == 1    ? "1"
                         : inet_pton(AF_INET6, address.c_str(), &probe6) == 1 ? "2"
                                                                              : nullptr;
    if (!family) return {};
    return std::string("|") + family + "|" + address + "|" + std::to_string(port) + "|";
}

}  // namespace turnpixa
