// Gives a fuzz run the target's own -max_len (TURNPIXA_FUZZ_MAX_LEN) unless
// the command line names one: libFuzzer's default of 4 KB stops short of the
// inputs these parsers see.
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0) return 0;
    static std::string flag = "-max_len=" + std::to_string(TURNPIXA_FUZZ_MAX_LEN);
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, flag.data());
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
    return 0;
}
