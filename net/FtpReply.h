#pragma once
#include <string>
#include <string_view>

namespace turnpixa {

// Puts FTP replies together from the bytes of the control connection, one
// byte at a time, however the bytes were split into reads. A line ends at
// CR LF; a line "123-..." opens a multi-line reply that ends at a line
// "123 ...". Lines and replies are capped so that a babbling server ends
// in a failure instead of filling memory.
class FtpReplyAssembler {
public:
    static constexpr std::size_t kMaxLine = 4096;
    static constexpr int kMaxLines = 1000;

    enum class State { More, Done, TooLong };

    State feed(char byte);
    // The reply's last line without its CR LF, once Done.
    const std::string& lastLine() const { return line_; }
    // Starts afresh for the next reply.
    void reset();

private:
    State endLine();

    std::string line_;
    bool sawCr_ = false;
    bool complete_ = false;
    int lines_ = 0;
    std::string multiCode_;  // set while inside a multi-line reply
};

// The number a reply text starts with, or -1.
int replyNumber(std::string_view text);
// First character minus '0', as the reply class is defined.
inline int replyClass(std::string_view text) {
    return text.empty() ? -1 : text[0] - '0';
}

// The address and port of a "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)"
// reply. Refuses anything but six numbers 0..255 and port 0.
bool parsePasvReply(std::string_view text, std::string& host, int& port);
// Only the port of a PASV reply: the last two numbers in the parentheses,
// whatever stands before them (over IPv6 some servers put "::1" there).
bool parsePasvPort(std::string_view text, int& port);
// "h1,h2,h3,h4,p1,p2" for a PORT command; empty unless address is IPv4.
std::string portArgument(const std::string& address, int port);

// The port of a "229 Entering Extended Passive Mode (|||6446|)" reply
// (RFC 2428): a delimiter, two more, the port 1..65535, the delimiter.
bool parseEpsvReply(std::string_view text, int& port);
// "|1|192.0.2.1|5001|" or "|2|2001:db8::1|5001|" for an EPRT command; empty
// unless address is numeric.
std::string eprtArgument(const std::string& address, int port);

}  // namespace turnpixa
