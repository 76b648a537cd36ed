// lzma e SOURCE TARGET: writes SOURCE as an .lzma stream with its size in the
// header (properties 0x5D, 8 MiB dictionary), the form setup-turnpixa's
// packing mode stores. Exit status 0 on success, 1 otherwise.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "installer/LzmaAlone.h"

int main(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "e") != 0) {
        std::fprintf(stderr, "usage: lzma e SOURCE TARGET\n");
        return 1;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "lzma: cannot read %s\n", argv[2]);
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string data = bytes.str();
    if (in.bad()) {
        std::fprintf(stderr, "lzma: cannot read %s\n", argv[2]);
        return 1;
    }
    std::string stream, reason;
    if (!turnpixa::setup::lzmaEncode(data, stream, reason)) {
        std::fprintf(stderr, "lzma: %s: %s\n", argv[2], reason.c_str());
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(stream.data(), static_cast<std::streamsize>(stream.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "lzma: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
