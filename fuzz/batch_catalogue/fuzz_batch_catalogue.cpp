// Catalogues for turnpixa-cli --batch, and the manifests kept beside the sets.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/BatchCatalogue.h"
#include "cli/BatchManifest.h"
#include "cli/CsvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const turnpixa::CsvRecord& record : turnpixa::readCsv(text))
        if (record.line < 1 || (record.error.empty() == record.fields.empty())) __builtin_trap();

    std::vector<turnpixa::OptionWord> defaults;
    std::vector<turnpixa::BatchRow> rows;
    std::string error;
    turnpixa::readCatalogue(text, "catalogue", defaults, rows, error);

    turnpixa::SetManifest manifest;
    if (turnpixa::SetManifest::parse(text, manifest)) {
        // What is read back is written the same way.
        turnpixa::SetManifest again;
        const std::string written = manifest.text();
        if (!written.empty() &&
            (!turnpixa::SetManifest::parse(written, again) || again.text() != written))
            __builtin_trap();
    }
    return 0;
}
