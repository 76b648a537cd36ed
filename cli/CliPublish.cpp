#include "CliPublish.h"

#include <filesystem>
#include <system_error>

#include "CliRun.h"
#include "project/SettingsFile.h"
#include "web/UploadedPage.h"
#include "web/ViewerScript.h"

namespace turnpixa {

namespace {

PadPdfWriter& padWriter() {
    static PadPdfWriter writer;
    return writer;
}

}  // namespace

void setPadPdfWriter(PadPdfWriter writer) {
    padWriter() = std::move(writer);
}

std::string wizardSettingsFile() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return settingsPathFor(ec ? std::string(".") : self.parent_path().string());
}

int runPrintPad(const CliOptions& options, std::FILE* out, std::FILE* err) {
    if (!padWriter()) {
        std::fprintf(err, "turnpixa-cli: this build cannot write PDF files (it has no Qt)\n");
        return kCliFailed;
    }
    std::string reason;
    if (!padWriter()(options.printPad, options.paper, options.padPhotos, reason)) {
        std::fprintf(err, "turnpixa-cli: %s: %s\n", options.printPad.c_str(), reason.c_str());
        return kCliFailed;
    }
    if (!options.quiet)
        std::fprintf(out, "Wrote a pad for %d photos: %s\n", options.padPhotos,
                     options.printPad.c_str());
    return kCliDone;
}

int runSnippet(const CliOptions& options, std::FILE* out, std::FILE* err) {
    if (options.photos.size() != 1) {
        std::fprintf(err,
                     "turnpixa-cli: --snippet needs the name of one uploaded image\n"
                     "Try 'turnpixa-cli --help'.\n");
        return kCliUsage;
    }
    const std::string path =
        options.settingsFile.empty() ? wizardSettingsFile() : options.settingsFile;
    UploadSettings settings;
    if (!SettingsFile::load(path, settings) && !options.settingsFile.empty()) {
        std::fprintf(err, "turnpixa-cli: cannot read the settings file %s\n", path.c_str());
        return kCliFailed;
    }
    // Nothing was saved in this run: the name is always fetched, as the
    // dialog does for a name other than the last save's.
    SnippetImage image;
    const std::string& name = options.photos.front();
    const SnippetCheck check =
        checkSnippetEntries(settings.webspaceUrl, settings.webspaceSubFolder, name, image);
    if (check.nameMissing) {
        std::fprintf(err, "turnpixa-cli: please give the name of a previously uploaded image\n");
        return kCliUsage;
    }
    if (!check.found) {
        std::fprintf(err,
                     "turnpixa-cli: can't find a TurnPixa image called \"%s\" at %s; the "
                     "snippet uses what is known\n",
                     name.c_str(), settings.webspaceUrl.c_str());
    }
    std::string text;
    if (options.snippet == "listing") {
        std::string reason;
        const UploadedAnimation animation =
            findUploadedAnimation(check.location, check.folder, name, image.animation, reason);
        if (animation != UploadedAnimation::Found) {
            std::fprintf(err, "turnpixa-cli: %s\n",
                         listingRefusal(name, check.base, animation, reason).c_str());
            return kCliFailed;
        }
        text = Snippets::listing(image, check.base);
    } else if (options.snippet == "ebay") {
        text = Snippets::ebay(image, check.base, ViewerScript::inlineForm(), !options.notFirst);
    } else if (options.snippet == "webpage") {
        text = Snippets::webpage(image, check.base, !options.notFirst);
    } else {
        text = Snippets::iframe(image, check.base);
    }
    std::fwrite(text.data(), 1, text.size(), out);
    return check.found ? kCliDone : kCliFailed;
}

}  // namespace turnpixa
