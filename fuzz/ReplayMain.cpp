// Replays a fuzz corpus through a libFuzzer entry point, for builds without
// libFuzzer: each argument is a file or a folder of files. With
// -max_len=N a seed larger than N fails the replay: the fuzzer would only
// ever see it cut short.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::size_t maxLen = 0;  // 0: no limit
bool tooLarge = false;

int replayFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (maxLen > 0 && bytes.size() > maxLen) {
        std::fprintf(stderr, "%s: %zu bytes, over -max_len=%zu\n", p.c_str(), bytes.size(), maxLen);
        tooLarge = true;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-max_len=", 9) == 0) {
            maxLen = std::strtoul(argv[i] + 9, nullptr, 10);
            continue;
        }
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file()) count += replayFile(e.path());
        } else if (std::filesystem::is_regular_file(p)) {
            count += replayFile(p);
        } else {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 2;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return count > 0 && !tooLarge ? 0 : 1;
}
