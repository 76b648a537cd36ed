#include "ImageReport.h"

#include <cstdio>
#include <utility>

namespace turnpixa {

namespace {

void printToStderr(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

ReportHandler& currentHandler() {
    static ReportHandler handler = printToStderr;
    return handler;
}

}  // namespace

ReportHandler setReportHandler(ReportHandler handler) {
    ReportHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : ReportHandler(printToStderr);
    return previous;
}

void report(const std::string& title, const std::string& text) {
    currentHandler()(title, text);
}

}  // namespace turnpixa
