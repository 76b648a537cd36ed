#pragma once
#include <functional>
#include <string>

namespace turnpixa {

// The core shows no windows. The few messages that the image readers and
// writers raise go through this hook: the wizard answers it with a message
// box, the command-line program prints it, tests record it.
using ReportHandler = std::function<void(const std::string& title, const std::string& text)>;

// Installs a handler and returns the previous one. An empty handler restores
// the default, which prints "title: text" to standard error.
ReportHandler setReportHandler(ReportHandler handler);
void report(const std::string& title, const std::string& text);

}  // namespace turnpixa
