#include "BatchRun.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BatchArguments.h"
#include "BatchCatalogue.h"
#include "BatchManifest.h"
#include "BatchShard.h"
#include "CliOptionTable.h"
#include "CliRun.h"

namespace turnpixa {

namespace {

constexpr std::uintmax_t kMaxCatalogueBytes = 64u << 20;
constexpr std::uintmax_t kMaxManifestBytes = 16u << 20;

struct RowResult {
    const char* status = "failed";  // "made", "skipped" or "failed"
    bool bad = true;                // failed before it was made: the row is wrong
    std::string reason;
    int photos = 0;  // in the set
    int given = 0;   // listed in the row
    double seconds = 0;
    std::uint64_t bytes = 0;
    std::vector<std::string> warnings;  // for standard error
    std::string output;                 // what the run printed on standard output
};

bool readFile(const std::string& path, std::uintmax_t limit, std::string& text,
              std::string& reason) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        reason = "Could not read " + path + ": " + error.message();
        return false;
    }
    if (size > limit) {
        reason =
            "Could not read " + path + ": it is larger than " + std::to_string(limit >> 20) + " MB";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    if (!in && !in.eof()) {
        reason = "Could not read " + path;
        return false;
    }
    text = all.str();
    return true;
}

// A JSON string: quotes, backslashes and control characters escaped, bytes
// that are not UTF-8 replaced so that every reader takes the line.
std::string jsonString(const std::string& text) {
    std::string s = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            s += escape;
        } else if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            const int length = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
            bool valid = length > 0 && i + length <= text.size();
            for (int k = 1; valid && k < length; ++k)
                valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
            if (valid) {
                s.append(text, i, static_cast<std::size_t>(length));
                i += static_cast<std::size_t>(length);
                continue;
            }
            s += "\\ufffd";
        }
        ++i;
    }
    return s + "\"";
}

std::string seconds(double value) {
    char text[32];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    return ec == std::errc() ? std::string(text, end) : "0";
}

std::string reportLine(const BatchRow& row, const RowResult& r) {
    return "{\"line\":" + std::to_string(row.line) + ",\"output\":" + jsonString(row.page) +
           ",\"status\":\"" + r.status + "\",\"reason\":" + jsonString(r.reason) +
           ",\"photos\":" + std::to_string(r.photos) +
           ",\"photos_given\":" + std::to_string(r.given) + ",\"seconds\":" + seconds(r.seconds) +
           ",\"bytes\":" + std::to_string(r.bytes) + "}\n";
}

// What one run of the program wrote to a stream, kept in memory.
class Capture {
public:
    Capture() : stream_(::open_memstream(&data_, &size_)) {}
    ~Capture() {
        if (stream_) std::fclose(stream_);
        std::free(data_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    std::FILE* stream() const { return stream_; }
    std::string text() {
        if (stream_) std::fflush(stream_);
        return data_ ? std::string(data_, size_) : std::string();
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) out.push_back(line);
    return out;
}

// The options a set depends on: the page is where the manifest is.
std::vector<std::string> manifestOptions(const BatchRow& row) {
    std::vector<std::string> options;
    for (const std::string& o : row.options)
        if (o.rfind("--output=", 0) != 0) options.push_back(o);
    return options;
}

constexpr std::string_view kPrefix = "turnpixa-cli: ";
constexpr std::string_view kTryHelp = "Try 'turnpixa-cli --help'.";

class Batch {
public:
    Batch() = default;

    RowResult make(const BatchRow& row) {
        RowResult r;
        if (!row.error.empty()) {
            r.reason = row.error;
            return r;
        }
        std::vector<std::string> photos;
        if (!expandPhotos(row, photos, r.reason) || !checkRowArguments(row, photos, r.reason))
            return r;
        r.given = static_cast<int>(photos.size());
        r.bad = false;
        if (current(row, photos, r)) return r;
        build(row, photos, r);
        return r;
    }

private:
    bool current(const BatchRow& row, const std::vector<std::string>& photos, RowResult& r) {
        const std::string path = manifestPath(row.page);
        std::string text, ignored;
        SetManifest recorded;
        bool refreshed = false;
        if (!readFile(path, kMaxManifestBytes, text, ignored) ||
            !SetManifest::parse(text, recorded) ||
            !setIsCurrent(recorded, TURNPIXA_SPECIAL_BUILD, manifestOptions(row), photos, row.page,
                          refreshed))
            return false;
        // Touched photos of the same content: their new times are kept.
        if (refreshed) writeManifest(path, recorded.text(), ignored);
        r.status = "skipped";
        r.photos = recorded.frames;
        for (const SetManifest::Output& o : recorded.outputs) r.bytes += o.size;
        return true;
    }

    void build(const BatchRow& row, const std::vector<std::string>& photos, RowResult& r) {
        // Gone first: a set being replaced never has a manifest that fits it.
        const std::string path = manifestPath(row.page);
        std::error_code notThere;
        std::filesystem::remove(path, notThere);
        removeLeftovers(row.page);
        SetManifest manifest;
        manifest.version = TURNPIXA_SPECIAL_BUILD;
        manifest.options = manifestOptions(row);
        for (const std::string& p : photos) {
            manifest.photos.push_back(stampPhoto(p, true));
            manifest.photos.back().path = photoName(p, row.page);
        }

        Capture out, err;
        const int status = runCli(rowArguments(row, photos), out.stream(), err.stream());
        std::vector<std::string> said = lines(err.text());
        said.erase(std::remove(said.begin(), said.end(), kTryHelp), said.end());
        // The reason of a failure is its last line and goes into the row's
        // line; the warnings about photos before it are shown as they are.
        std::string reason;
        if (status != kCliDone && !said.empty()) {
            reason = said.back();
            if (reason.rfind(kPrefix, 0) == 0) reason.erase(0, kPrefix.size());
            said.pop_back();
        }
        r.warnings = said;
        r.output = out.text();
        if (status != kCliDone) {
            r.reason = reason.empty() ? "the set could not be made" : reason;
            return;
        }
        r.status = "made";
        if (!stampOutputs(row.page, manifest.outputs, r.bytes, r.photos)) return;
        manifest.frames = r.photos;
        for (std::size_t i = 0; i < photos.size(); ++i) {
            const SetManifest::Photo& was = manifest.photos[i];
            const SetManifest::Photo now = stampPhoto(photos[i], false);
            if (now.present != was.present || now.size != was.size ||
                now.modifiedNs != was.modifiedNs) {
                r.warnings.push_back("turnpixa-cli: warning: " + photos[i] + " changed while " +
                                     row.page + " was made; it is made again next time");
                return;
            }
        }
        const std::string text = manifest.text();
        if (!text.empty() && !writeManifest(path, text, reason))
            r.warnings.push_back("turnpixa-cli: warning: " + reason);
    }
};

// The row under way, on one terminal line that is cleared before its result.
class RowStatus {
public:
    RowStatus(std::FILE* stream, bool enabled)
        : stream_(stream), enabled_(enabled && ::isatty(::fileno(stream))) {}
    ~RowStatus() { clear(); }
    void show(int done, int total, std::string page) {
        if (!enabled_) return;
        if (page.size() > 50) page = "..." + page.substr(page.size() - 47);
        std::fprintf(stream_, "\r\033[KRow %d of %d: %s ...", done + 1, total, page.c_str());
        std::fflush(stream_);
        open_ = true;
    }
    void clear() {
        if (!open_) return;
        std::fputs("\r\033[K", stream_);
        std::fflush(stream_);
        open_ = false;
    }

private:
    std::FILE* stream_;
    bool enabled_;
    bool open_ = false;
};

int usage(std::FILE* err, const std::string& message) {
    std::fprintf(err, "turnpixa-cli: %s\nTry 'turnpixa-cli --help'.\n", message.c_str());
    return kCliUsage;
}

}  // namespace

int runBatch(const std::vector<std::string>& args, const CliOptions& options, std::FILE* out,
             std::FILE* err) {
    const auto started = std::chrono::steady_clock::now();
    std::vector<OptionWord> words, defaults;
    std::vector<std::string> operands;
    splitCommandLine(args, words, operands);
    if (!operands.empty())
        return usage(err, "--batch takes the photos from the catalogue's photos column, not \"" +
                              operands.front() + "\"");
    for (const OptionWord& w : words) {
        const std::string name = cliOptionTable()[w.entry].longName;
        if (isBatchOption(name)) continue;
        if (name == "output")
            return usage(err, "--output names one page; with --batch each row names its own");
        const std::string why = notForRows(name);
        if (!why.empty()) return usage(err, why + ", not with --batch");
        defaults.push_back(w);
    }
    BatchShard shard;
    std::string error;
    if (!options.shard.empty() &&
        !parseShard(
            options.shard, [](const char* name) { return std::getenv(name); }, shard, error))
        return usage(err, error);

    std::string text;
    if (!readFile(options.batch, kMaxCatalogueBytes, text, error)) {
        std::fprintf(err, "turnpixa-cli: %s\n", error.c_str());
        return kCliFailed;
    }
    std::vector<BatchRow> rows;
    const std::string folder = std::filesystem::path(options.batch).parent_path().string();
    if (!readCatalogue(text, folder, defaults, rows, error))
        return usage(err, options.batch + " " + error);

    std::FILE* report = nullptr;
    if (!options.report.empty() && !(report = std::fopen(options.report.c_str(), "w"))) {
        std::fprintf(err, "turnpixa-cli: Could not write %s: %s\n", options.report.c_str(),
                     std::strerror(errno));
        return kCliFailed;
    }

    int total = 0;
    for (const BatchRow& row : rows) total += shard.takes(row.index) ? 1 : 0;
    int made = 0, skipped = 0, failed = 0;
    Batch batch;
    RowStatus status(err, !options.quiet);
    for (const BatchRow& row : rows) {
        if (!shard.takes(row.index)) continue;
        status.show(made + skipped + failed, total, row.page);
        const auto rowStart = std::chrono::steady_clock::now();
        RowResult r = batch.make(row);
        r.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - rowStart).count();
        status.clear();
        for (const std::string& line : r.warnings) std::fprintf(err, "%s\n", line.c_str());
        if (!options.quiet) std::fputs(r.output.c_str(), out);
        const std::string where = options.batch + " line " + std::to_string(row.line);
        if (std::strcmp(r.status, "made") == 0) {
            ++made;
            if (!options.quiet)
                std::fprintf(out, "Made %s from %d of %d photos in %s s\n", row.page.c_str(),
                             r.photos, r.given, seconds(r.seconds).c_str());
        } else if (std::strcmp(r.status, "skipped") == 0) {
            ++skipped;
            if (!options.quiet) std::fprintf(out, "Unchanged: %s\n", row.page.c_str());
        } else {
            ++failed;
            if (r.bad)
                std::fprintf(err, "turnpixa-cli: %s, %s; row skipped\n", where.c_str(),
                             r.reason.c_str());
            else
                std::fprintf(err, "turnpixa-cli: %s: %s was not made: %s\n", where.c_str(),
                             row.page.c_str(), r.reason.c_str());
        }
        std::fflush(out);
        if (report) {
            const std::string line = reportLine(row, r);
            std::fwrite(line.data(), 1, line.size(), report);
            std::fflush(report);
        }
    }
    bool reportWritten = true;
    if (report) reportWritten = std::fclose(report) == 0;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::string shardText;
    if (shard.count > 1)
        shardText = " (shard " + std::to_string(shard.index + 1) + "/" +
                    std::to_string(shard.count) + " of " + std::to_string(rows.size()) + ")";
    std::fprintf(err, "turnpixa-cli: %s: %d row%s%s: %d made, %d unchanged, %d failed in %s s\n",
                 options.batch.c_str(), total, total == 1 ? "" : "s", shardText.c_str(), made,
                 skipped, failed, seconds(elapsed).c_str());
    if (!reportWritten) {
        std::fprintf(err, "turnpixa-cli: Could not write %s\n", options.report.c_str());
        return kCliFailed;
    }
    return failed == 0 ? kCliDone : kCliFailed;
}

}  // namespace turnpixa
