#include "BatchArguments.h"

#include <getopt.h>

#include "CliOptionTable.h"

namespace turnpixa {

namespace {
constexpr int kLongBase = kGetoptLongBase;
}

std::string OptionWord::text() const {
    std::string word = std::string("--") + cliOptionTable()[entry].longName;
    if (value) word += "=" + *value;
    return word;
}

void splitCommandLine(const std::vector<std::string>& args, std::vector<OptionWord>& words,
                      std::vector<std::string>& operands) {
    const std::vector<CliOption>& table = cliOptionTable();
    GetoptTable getopt = getoptTable();
    std::string& shorts = getopt.shorts;
    std::vector<option>& longs = getopt.longs;

    std::vector<std::string> strings{"turnpixa-cli"};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings) argv.push_back(s.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(strings.size());

    words.clear();
    operands.clear();
    optind = 0;
    opterr = 0;
    for (;;) {
        const int code = getopt_long(argc, argv.data(), shorts.c_str(), longs.data(), nullptr);
        if (code == -1) break;
        if (code == 1) {
            operands.emplace_back(optarg);
            continue;
        }
        std::size_t entry = table.size();
        if (code >= kLongBase) {
            entry = static_cast<std::size_t>(code - kLongBase);
        } else {
            for (std::size_t i = 0; i < table.size(); ++i)
                if (table[i].shortName == code) entry = i;
        }
        if (entry >= table.size()) continue;  // refused by the parser already
        OptionWord word{entry, std::nullopt};
        if (optarg) word.value = optarg;
        words.push_back(std::move(word));
    }
    for (int i = optind; i < argc; ++i) operands.emplace_back(argv[i]);
}

std::optional<std::size_t> optionEntry(const std::string& name) {
    const std::vector<CliOption>& table = cliOptionTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (name == table[i].longName || (table[i].alias && name == table[i].alias)) return i;
    return std::nullopt;
}

}  // namespace turnpixa
