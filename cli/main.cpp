#include <string>
#include <vector>

#include "CliRun.h"

#ifdef TURNPIXA_PAD_PDF
namespace turnpixa {
void installPadPdfWriter();
}
#endif

int main(int argc, char** argv) {
#ifdef TURNPIXA_PAD_PDF
    turnpixa::installPadPdfWriter();
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    return turnpixa::runCli(args, stdout, stderr);
}
