#include "installer/Packer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "installer/Folders.h"
#include "installer/Package.h"
#include "installer/PackageFormat.h"
#include "installer/ProcessRunner.h"
#include "installer/TempFiles.h"

namespace turnpixa::setup {

namespace {

// Packing has nobody to ask: the damaged-package question is declined
// without being shown, and the caller refuses such a package.
class NobodyToAsk : public Ui {
public:
    explicit NobodyToAsk(Ui& ui) : ui_(ui) {}
    void message(const std::string& text, const std::string& caption, Icon icon) override {
        ui_.message(text, caption, icon);
    }
    Answer ask(const std::string&, const std::string&, Icon, Buttons, Answer) override {
        return Answer::No;
    }

private:
    Ui& ui_;
};

}  // namespace

bool packFile(const std::string& source, const std::string& packagePath, const std::string& encoder,
              Ui& ui, std::string& reason) {
    const std::string name = fileNameOf(source);
    if (name.empty() || name.size() > format::kMaxNameLength) {
        reason = "the entry name '" + name + "' is empty or over 254 bytes";
        return false;
    }
    struct stat st {};
    if (::stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = "cannot read '" + source + "'";
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) >= 0xFFFFFFFFull) {
        reason = "'" + source + "' is 4 GiB or more";
        return false;
    }
    const auto size = static_cast<std::uint32_t>(st.st_size);

    const std::string temp = makeTempFile("Ext");
    const auto failed = [&](const std::string& how, const std::string& why) {
        ui.message(
            "Error whilst compressing '" + source + "', unable to " + how + " '" + temp + "'",
            "Install", Icon::Error);
        reason = why;
        removeTree(temp);
        return false;
    };
    if (temp.empty()) return failed("write to", "no temporary file");
    std::string why;
    if (!runProgram(encoder, {"e", source, temp}, true, why))
        return failed("write to", "the encoder " + encoder + " failed: " + why);
    std::ifstream in(temp, std::ios::binary);
    const std::string block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return failed("read from", "cannot read the compressed file");
    if (block.empty()) return failed("write to", "the encoder wrote nothing");
    removeTree(temp);

    NobodyToAsk quiet(ui);
    Package package(quiet);
    package.open(packagePath, true);
    if (package.damaged()) {
        // Adding would drop its entries from the new directory.
        reason = "'" + packagePath + "' is a damaged package (" + package.refusal() +
                 "); it is left as it was";
        package.close();
        return false;
    }
    if (!package.add(name, block, size, reason)) {
        package.close();
        return false;
    }
    if (!package.close()) {
        reason = "cannot write '" + packagePath + "'";
        return false;
    }
    return true;
}

}  // namespace turnpixa::setup
