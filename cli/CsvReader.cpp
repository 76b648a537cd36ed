#include "CsvReader.h"

namespace turnpixa {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    }

    std::vector<CsvRecord> records() {
        std::vector<CsvRecord> out;
        while (pos_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            const std::size_t start = pos_;
            const int startLine = line_;
            if (!readRecord(record)) {
                // Go on after the line the broken record started on.
                record.fields.clear();
                pos_ = start;
                line_ = startLine;
                skipLine();
            }
            const bool empty = record.error.empty() && record.fields.size() == 1 &&
                               record.fields[0].empty() && !quotedSeen_;
            if (!empty) out.push_back(std::move(record));
        }
        return out;
    }

private:
    bool atLineEnd() const {
        return text_[pos_] == '\n' ||
               (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
    }
    void takeLineEnd() {
        pos_ += text_[pos_] == '\r' ? 2 : 1;
        ++line_;
    }
    void skipLine() {
        while (pos_ < text_.size() && !atLineEnd()) ++pos_;
        if (pos_ < text_.size()) takeLineEnd();
    }

    bool readRecord(CsvRecord& record) {
        quotedSeen_ = false;
        for (;;) {
            std::string field;
            const std::size_t column = record.fields.size() + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                quotedSeen_ = true;
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size()) {
                        record.error = "column " + std::to_string(column) +
                                       ": the quoted field is never closed";
                        return false;
                    }
                    const char c = text_[pos_++];
                    if (c == '"') {
                        if (pos_ < text_.size() && text_[pos_] == '"') {
                            field += '"';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') ++line_;
                    field += c;
                }
                if (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) {
                    record.error = "column " + std::to_string(column) +
                                   ": text after the closing quote (a quote inside a field is "
                                   "written twice)";
                    return false;
                }
            } else {
                while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) {
                    if (text_[pos_] == '"') {
                        record.error = "column " + std::to_string(column) +
                                       ": a quote inside an unquoted field (quote the whole "
                                       "field and write the quote twice)";
                        return false;
                    }
                    field += text_[pos_++];
                }
            }
            record.fields.push_back(std::move(field));
            if (pos_ >= text_.size()) return true;
            if (text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            takeLineEnd();
            return true;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool quotedSeen_ = false;
};

}  // namespace

std::vector<CsvRecord> readCsv(std::string_view text) {
    return Reader(text).records();
}

}  // namespace turnpixa
