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

thread_local ReportCapture* activeCapture = nullptr;

}  // namespace

ReportHandler setReportHandler(ReportHandler handler) {
    ReportHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : ReportHandler(printToStderr);
    return previous;
}

void report(const std::string& title, const std::string& text) {
    if (activeCapture) {
        activeCapture->add(text);
        return;
    }
    currentHandler()(title, text);
}

ReportCapture::ReportCapture() : previous_(activeCapture) {
    activeCapture = this;
}

ReportCapture::~ReportCapture() {
    activeCapture = previous_;
}

void ReportCapture::clear() {
    first_.clear();
    width_ = height_ = 0;
}

void ReportCapture::add(const std::string& text) {
    if (first_.empty()) first_ = text.empty() ? "unknown error" : text;
}

void ReportCapture::noteTooLarge(std::int64_t width, std::int64_t height) {
    width_ = width;
    height_ = height;
}

void noteTooLarge(std::int64_t width, std::int64_t height) {
    if (activeCapture) activeCapture->noteTooLarge(width, height);
}

void noteRefusal(const std::string& text) {
    if (activeCapture) activeCapture->add(text);
}

bool reportsCaptured() {
    return activeCapture != nullptr;
}

}  // namespace turnpixa
