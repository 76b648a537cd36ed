// Arbitrary bytes as what an FTP server sends on the control connection:
// every reply put together is also read as a PASV reply (whole and its port
// alone), an EPSV reply and a reply number.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/FtpReply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    turnpixa::FtpReplyAssembler assembler;
    for (std::size_t i = 0; i < size; ++i) {
        const auto state = assembler.feed(static_cast<char>(data[i]));
        if (state == turnpixa::FtpReplyAssembler::State::More) continue;
        if (state == turnpixa::FtpReplyAssembler::State::Done) {
            const std::string& line = assembler.lastLine();
            if (line.size() > turnpixa::FtpReplyAssembler::kMaxLine) std::abort();
            std::string host;
            int port = 0;
            if (turnpixa::parsePasvReply(line, host, port) && (port < 1 || port > 65535))
                std::abort();
            if (turnpixa::parseEpsvReply(line, port) && (port < 1 || port > 65535)) std::abort();
            if (turnpixa::parsePasvPort(line, port) && (port < 1 || port > 65535)) std::abort();
            (void)turnpixa::replyNumber(line);
        }
        assembler.reset();
    }
    return 0;
}
