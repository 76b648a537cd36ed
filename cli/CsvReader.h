#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace turnpixa {

// One record of a CSV file. A record that breaks the format carries the
// reason (with its column) and no fields; reading goes on at the next line.
struct CsvRecord {
    int line = 0;  // 1-based line where the record starts
    std::vector<std::string> fields;
    std::string error;
};

// Reads comma-separated text as RFC 4180 has it: fields in double quotes
// may hold commas, line breaks and doubled quotes; lines end in CR LF or LF.
// A UTF-8 byte order mark at the start is dropped; empty lines are left out.
std::vector<CsvRecord> readCsv(std::string_view text);

}  // namespace turnpixa
