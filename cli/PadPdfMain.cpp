#include <QPageSize>

#include "CliPublish.h"
#include "devices/PadPrinter.h"

namespace turnpixa {

// Qt's PDF writer for --print-pad; only this part of turnpixa-cli uses Qt.
void installPadPdfWriter() {
    setPadPdfWriter(
        [](const std::string& path, const std::string& paper, int photos, std::string& reason) {
            QPageSize size;
            if (!pageSizeFromName(QString::fromStdString(paper), size)) {
                reason = "unknown paper size \"" + paper + "\"";
                return false;
            }
            QString why;
            const bool ok = writePadPdf(QString::fromStdString(path), size, photos, why);
            reason = why.toStdString();
            return ok;
        });
}

}  // namespace turnpixa
