#include "BatchCatalogue.h"

#include <glob.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "CliOptionTable.h"
#include "CliOptions.h"
#include "CsvReader.h"
#include "web/SaveTarget.h"

namespace turnpixa {

namespace {

const char* const kOutputColumn = "output";
const char* const kPhotosColumn = "photos";

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// A yes or no cell of an option without a value; nullopt when it is neither.
std::optional<bool> yesOrNo(const std::string& cell) {
    const std::string v = lower(cell);
    if (v == "yes" || v == "y" || v == "true" || v == "on" || v == "1" || v == "x") return true;
    if (v == "no" || v == "n" || v == "false" || v == "off" || v == "0") return false;
    return std::nullopt;
}

std::string inFolder(const std::string& folder, const std::string& path) {
    if (folder.empty() || folder == "." || path.empty() || path.front() == '/') return path;
    return folder + (folder.back() == '/' ? "" : "/") + path;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A column of the header: the option it gives, or the photos.
struct Column {
    std::string name;
    std::optional<std::size_t> entry;  // none: the photos column
};

bool readHeader(const CsvRecord& header, std::vector<Column>& columns, std::string& error) {
    const std::string where = "line " + std::to_string(header.line) + ", ";
    if (!header.error.empty()) {
        error = where + header.error;
        return false;
    }
    std::set<std::size_t> seen;
    bool photos = false, output = false;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = trimmed(header.fields[i]);
        const std::string column = "column " + std::to_string(i + 1) + " \"" + name + "\"";
        if (name == kPhotosColumn) {
            if (photos) {
                error = where + column + " appears twice";
                return false;
            }
            photos = true;
            columns.push_back({name, std::nullopt});
            continue;
        }
        const std::optional<std::size_t> entry = optionEntry(name);
        if (!entry) {
            error = where + column + " is neither \"photos\" nor an option of turnpixa-cli";
            return false;
        }
        const std::string longName = cliOptionTable()[*entry].longName;
        const std::string why = isBatchOption(longName)
                                    ? "--" + longName + " is for the whole batch, not a row"
                                    : notForRows(longName);
        if (!why.empty()) {
            error = where + column + ": " + why;
            return false;
        }
        if (!seen.insert(*entry).second) {
            error = where + column + " gives --" + longName + " a second time";
            return false;
        }
        output = output || longName == kOutputColumn;
        columns.push_back({longName, entry});
    }
    if (!output || !photos) {
        error = where + "the header needs an \"output\" and a \"photos\" column";
        return false;
    }
    return true;
}

// Cells become option words over the defaults; a cell of an option replaces
// the defaults of that option and of the options it excludes.
void readRow(const CsvRecord& record, const std::vector<Column>& columns, const std::string& folder,
             const std::vector<OptionWord>& defaults, BatchRow& row) {
    const std::vector<CliOption>& table = cliOptionTable();
    row.line = record.line;
    if (!record.error.empty()) {
        row.error = record.error;
        return;
    }
    if (record.fields.size() != columns.size()) {
        row.error = std::to_string(record.fields.size()) + " fields where the header has " +
                    std::to_string(columns.size());
        return;
    }
    std::vector<OptionWord> cells;
    std::vector<std::size_t> replaced;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& cell = record.fields[i];
        const Column& column = columns[i];
        if (!column.entry) {
            std::size_t start = 0;
            for (;;) {
                const std::size_t end = cell.find(';', start);
                const std::string part = trimmed(cell.substr(start, end - start));
                if (!part.empty()) row.photoPatterns.push_back(inFolder(folder, part));
                if (end == std::string::npos) break;
                start = end + 1;
            }
            if (row.photoPatterns.empty()) {
                row.error = "column photos: no photos given";
                return;
            }
            continue;
        }
        if (cell.empty()) continue;
        const CliOption& option = table[*column.entry];
        OptionWord word{*column.entry, std::nullopt};
        bool given = true;
        if (option.value != CliOption::Value::Required) {
            const std::optional<bool> yes = yesOrNo(cell);
            if (yes) {
                given = *yes;
            } else if (option.value == CliOption::Value::None) {
                row.error = "column " + column.name + ": yes or no, not \"" + cell + "\"";
                return;
            } else {
                word.value = cell;
            }
        } else {
            word.value = option.pathValue ? inFolder(folder, cell) : cell;
        }
        if (word.value) {
            CliOptions scratch;
            if (!option.apply(scratch, word.value)) {
                row.error = "column " + column.name + ": --" + column.name + " needs " +
                            option.expects + ", not \"" + cell + "\"";
                return;
            }
        }
        replaced.push_back(*column.entry);
        if (given) {
            cells.push_back(word);
            row.columns.push_back(column.name);
        }
        if (column.name == kOutputColumn)
            row.page = SaveTarget::fromChosenPath(*word.value).pagePath();
    }
    if (row.page.empty()) {
        row.error = "column output: no page given";
        return;
    }
    auto isReplaced = [&](std::size_t entry) {
        for (std::size_t r : replaced)
            if (r == entry ||
                (table[r].exclusive != 0 && table[r].exclusive == table[entry].exclusive))
                return true;
        return false;
    };
    for (const OptionWord& w : defaults)
        if (!isReplaced(w.entry) && !isBatchOption(table[w.entry].longName))
            row.options.push_back(w.text());
    for (const OptionWord& w : cells) row.options.push_back(w.text());
}

bool hasGlob(const std::string& pattern) {
    return pattern.find_first_of("*?[") != std::string::npos;
}

}  // namespace

bool isBatchOption(const std::string& longName) {
    return longName == "batch" || longName == "report" || longName == "shard" ||
           longName == "quiet";
}

std::string notForRows(const std::string& longName) {
    static const std::map<std::string, std::string> reasons = {
        {"help", "prints a text"},
        {"version", "prints a text"},
        {"print-man", "prints a text"},
        {"print-completion", "prints a text"},
        {"print-pad", "writes a pad, not a set"},
        {"pad-photos", "is for the pad, not a set"},
        {"paper", "is for the pad, not a set"},
        {"snippet", "prints a snippet, not a set"},
        {"not-first", "is for a snippet, not a set"},
        {"scan", "would scan the same device for every row"},
        {"scan-source", "is for scanning, which a catalogue does not do"},
        {"frame-pack", "names one zip file, not one per row"},
        {"pack-frames", "is for --frame-pack, which a catalogue does not make"},
        {"pack-width", "is for --frame-pack, which a catalogue does not make"},
    };
    const auto it = reasons.find(longName);
    return it == reasons.end() ? std::string() : "--" + longName + " " + it->second;
}

bool readCatalogue(std::string_view text, const std::string& folder,
                   const std::vector<OptionWord>& defaults, std::vector<BatchRow>& rows,
                   std::string& error) {
    rows.clear();
    const std::vector<CsvRecord> records = readCsv(text);
    if (records.empty()) {
        error = "the catalogue is empty: it needs a header line and a row per product";
        return false;
    }
    std::vector<Column> columns;
    if (!readHeader(records.front(), columns, error)) return false;
    std::map<std::string, int> pages;  // page -> line of its first row
    for (std::size_t i = 1; i < records.size(); ++i) {
        BatchRow row;
        row.index = static_cast<int>(i - 1);
        readRow(records[i], columns, folder, defaults, row);
        if (row.error.empty()) {
            const std::string key = std::filesystem::path(row.page).lexically_normal().string();
            const auto [first, fresh] = pages.emplace(key, row.line);
            if (!fresh)
                row.error = "column output: " + row.page + " is the page of line " +
                            std::to_string(first->second) + " too";
        }
        rows.push_back(std::move(row));
    }
    return true;
}

bool expandPhotos(const BatchRow& row, std::vector<std::string>& photos, std::string& error) {
    photos.clear();
    for (const std::string& pattern : row.photoPatterns) {
        if (!hasGlob(pattern)) {
            photos.push_back(pattern);
            continue;
        }
        glob_t found{};
        const int status = ::glob(pattern.c_str(), GLOB_NOSORT, nullptr, &found);
        std::vector<std::string> names;
        if (status == 0)
            for (std::size_t i = 0; i < found.gl_pathc; ++i) names.emplace_back(found.gl_pathv[i]);
        ::globfree(&found);
        if (names.empty()) {
            error = "column photos: \"" + pattern + "\" matches no file";
            return false;
        }
        // Byte order, whatever the locale, so every machine of a run agrees.
        std::sort(names.begin(), names.end());
        photos.insert(photos.end(), names.begin(), names.end());
    }
    return true;
}

std::vector<std::string> rowArguments(const BatchRow& row, const std::vector<std::string>& photos) {
    std::vector<std::string> args = row.options;
    args.push_back("--quiet");
    args.push_back("--");
    args.insert(args.end(), photos.begin(), photos.end());
    return args;
}

bool checkRowArguments(const BatchRow& row, const std::vector<std::string>& photos,
                       std::string& error) {
    CliOptions options;
    std::string reason;
    if (parseCommandLine(rowArguments(row, photos), options, reason)) return true;
    for (const std::string& column : row.columns)
        if (reason.find("--" + column) != std::string::npos) {
            error = "column " + column + ": " + reason;
            return false;
        }
    error = reason;
    return false;
}

}  // namespace turnpixa
