#include "JpegErrorManager.h"

#include "ImageReport.h"

namespace turnpixa {

namespace {

void reportMessage(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, text);
    report(kJpegErrorTitle, text);
}

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    if (manager->reportErrors) {
        reportMessage(cinfo);
    } else {
        // The reader's refusal: kept as the reason when the loader asks why.
        char text[JMSG_LENGTH_MAX];
        cinfo->err->format_message(cinfo, text);
        noteRefusal(text);
    }
    std::longjmp(manager->jump, 1);
}

// Warnings are counted; trace messages are dropped.
void emitMessage(j_common_ptr cinfo, int level) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    if (level >= 0) return;
    if (manager->reportWarning && !manager->warned) {
        reportMessage(cinfo);
        manager->warned = true;
    }
    ++manager->pub.num_warnings;
}

void silent(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* useJpegErrorManager(JpegErrorManager& manager, bool reportErrors,
                                    bool reportWarning) {
    jpeg_std_error(&manager.pub);
    manager.pub.error_exit = errorExit;
    manager.pub.emit_message = emitMessage;
    manager.pub.output_message = silent;
    manager.reportErrors = reportErrors;
    manager.reportWarning = reportWarning;
    manager.warned = false;
    return &manager.pub;
}

}  // namespace turnpixa
