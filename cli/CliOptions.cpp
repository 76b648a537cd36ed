#include "CliOptions.h"

#include <getopt.h>

#include <map>

#include "CliFramePack.h"
#include "CliOptionTable.h"

namespace turnpixa {

namespace {

// getopt_long codes of the table's long names; short names return themselves.
constexpr int kLongBase = kGetoptLongBase;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t entryForCode(int code) {
    const std::vector<CliOption>& table = cliOptionTable();
    if (code >= kLongBase) {
        const auto index = static_cast<std::size_t>(code - kLongBase);
        return index < table.size() ? index : kNone;
    }
    for (std::size_t i = 0; i < table.size(); ++i)
        if (code != 0 && table[i].shortName == code) return i;
    return kNone;
}

std::string shownName(int code) {
    const std::size_t i = entryForCode(code);
    if (i == kNone) return std::string("-") + static_cast<char>(code);
    if (code >= kLongBase) return std::string("--") + cliOptionTable()[i].longName;
    return std::string("-") + cliOptionTable()[i].shortName;
}

// "--name" or "--name=value" that getopt_long did not take: unknown or
// the start of more than one name.
std::string unknownLongOption(const std::string& arg) {
    const std::string name = arg.size() > 2 ? arg.substr(2, arg.find('=') - 2) : "";
    std::string matches;
    int count = 0;
    for (const CliOption& o : cliOptionTable())
        for (const char* n : {o.longName, o.alias})
            if (n && std::string_view(n).substr(0, name.size()) == name) {
                matches += std::string(count++ ? ", --" : "--") + n;
                break;
            }
    if (count > 1) return "ambiguous option --" + name + " (" + matches + ")";
    return "unknown option --" + name;
}

std::string exclusionError(int exclusive) {
    std::vector<std::string> names;
    for (const CliOption& o : cliOptionTable())
        if (o.exclusive == exclusive) names.push_back(std::string("--") + o.longName);
    std::string text = "choose one of ";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error) {
    options = CliOptions{};
    const std::vector<CliOption>& table = cliOptionTable();

    GetoptTable getopt = getoptTable();
    std::string& shorts = getopt.shorts;
    std::vector<option>& longs = getopt.longs;

    // getopt_long wants writable strings behind a program name.
    std::vector<std::string> words;
    words.reserve(args.size() + 1);
    words.push_back("turnpixa-cli");
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    std::map<int, std::size_t> exclusiveUse;  // by exclusion number: the entry given
    int exclusiveClash = 0;
    optind = 0;  // a fresh scan, whatever ran before
    opterr = 0;  // our own messages
    for (;;) {
        const int code = getopt_long(argc, argv.data(), shorts.c_str(), longs.data(), nullptr);
        if (code == -1) break;
        if (code == 1) {
            options.photos.emplace_back(optarg);
            continue;
        }
        if (code == ':') {
            const std::size_t missing = entryForCode(optopt);
            error = shownName(optopt) + " needs " +
                    (missing == kNone ? "a value" : table[missing].expects);
            return false;
        }
        const std::size_t index = code == '?' ? kNone : entryForCode(code);
        if (index == kNone) {
            if (code == '?' && optopt >= kLongBase)
                error = shownName(optopt) + " takes no value";
            else if (code == '?' && optopt == 0)
                error = unknownLongOption(argv[optind - 1]);
            else
                error = "unknown option " + shownName(code == '?' ? optopt : code);
            return false;
        }
        const CliOption& o = table[index];
        std::optional<std::string> value;
        if (optarg) value = optarg;
        if (!o.apply(options, value)) {
            error =
                shownName(code) + " needs " + o.expects + ", not \"" + value.value_or("") + "\"";
            return false;
        }
        if (o.exclusive != 0) {
            const auto [used, first] = exclusiveUse.emplace(o.exclusive, index);
            if (!first && used->second != index) exclusiveClash = o.exclusive;
        }
    }
    for (int i = optind; i < argc; ++i) options.photos.emplace_back(argv[i]);

    if (options.printsOnly()) return true;
    if (exclusiveClash) {
        error = exclusionError(exclusiveClash);
        return false;
    }
    if (!options.batch.empty()) return true;  // the rows are checked one by one
    if (!options.report.empty() || !options.shard.empty()) {
        error = std::string(options.report.empty() ? "--shard" : "--report") + " goes with --batch";
        return false;
    }
    // The pad and the snippets write no set.
    if (!options.printPad.empty()) {
        if (options.photos.empty()) return true;
        error = "--print-pad takes no photos";
        return false;
    }
    if (!options.snippet.empty()) {
        if (options.photos.size() == 1) return true;
        error = "--snippet needs the name of one uploaded image";
        return false;
    }
    if (!(error = framePackUsageError(options)).empty()) return false;
    // A frame pack can be all that is asked for.
    if (options.output.empty() && options.framePack.empty()) {
        error = "no output page given (-o PAGE)";
        return false;
    }
    if (options.photos.empty() && options.scanDevices.empty()) {
        error = "no photos given";
        return false;
    }
    return true;
}

}  // namespace turnpixa
