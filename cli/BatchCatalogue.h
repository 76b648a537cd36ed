#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "BatchArguments.h"

namespace turnpixa {

// One product of a catalogue: a set and what it is made from.
struct BatchRow {
    int line = 0;                      // where the row starts in the catalogue
    int index = 0;                     // among the rows, from 0 (the shards count these)
    std::string error;                 // set: the row is bad and is skipped ("column width: ...")
    std::string page;                  // the page path, ".htm" added
    std::vector<std::string> options;  // the option words of its command line
    std::vector<std::string> photoPatterns;  // paths and globs, in spin order
    std::vector<std::string> columns;        // the options its cells give
};

// Options that the batch itself takes; the rows never see them.
bool isBatchOption(const std::string& longName);
// Why an option cannot be a default or a column of a catalogue (it makes no
// set, or names one thing for all rows); empty when it can.
std::string notForRows(const std::string& longName);

// Reads a catalogue: a header line naming the columns ("output", "photos"
// and long option names), then one row per product. Cells are options over
// the defaults (the batch's own command line); an empty cell keeps the
// default; yes or no switch options without a value. Relative paths in
// cells are taken from folder, the catalogue's own. False with the reason
// (line and column) when the header is wrong: then no row can be trusted.
bool readCatalogue(std::string_view text, const std::string& folder,
                   const std::vector<OptionWord>& defaults, std::vector<BatchRow>& rows,
                   std::string& error);

// The photos of a row: each ";"-separated part is a path, or a glob whose
// files come in name order. False when a glob matches no file.
bool expandPhotos(const BatchRow& row, std::vector<std::string>& photos, std::string& error);

// The command line a row is made with, and a check of it as a whole by the
// program's parser; error names the column where it can.
std::vector<std::string> rowArguments(const BatchRow& row, const std::vector<std::string>& photos);
bool checkRowArguments(const BatchRow& row, const std::vector<std::string>& photos,
                       std::string& error);

}  // namespace turnpixa
