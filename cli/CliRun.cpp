#include "CliRun.h"

#include <filesystem>
#include <mutex>
#include <system_error>

#include "BatchRenderer.h"
#include "BatchRun.h"
#include "CliAnimation.h"
#include "CliFramePack.h"
#include "CliOptions.h"
#include "CliPublish.h"
#include "CliScan.h"
#include "CliUpload.h"
#include "ProgressBar.h"
#include "image/ImageReport.h"
#include "process/SpinLogo.h"
#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "project/SeriesAdjust.h"
#include "web/OutputSetWriter.h"
#include "web/SaveTarget.h"

namespace turnpixa {

namespace {

// Nothing runs later in a batch: no timer, no events, no pages.
class BatchHost : public ProjectHost {
public:
    void restartPreRenderTimer() override {}
    void processPendingEvents() override {}
    void postPhotoAdded(int, Photo*) override {}
    void postRefreshCurrentFrame() override {}
};

// Applies the command line to the project's settings the way the pages do:
// crop and rotation first, then the size, which follows from them.
void applySettings(const CliOptions& o, Project& project) {
    ProcessingSettings& s = project.settings();
    if (o.crop) {
        s.cropOn = true;
        s.crop = *o.crop;
    }
    s.setRotation(o.rotate);
    if (o.size) {
        s.setShownSize({o.size->first, o.size->second});
    } else if (o.height) {
        project.deriveOutputSizeFromHeight(*o.height);
    } else {
        project.deriveOutputSizeFromWidth(o.width.value_or(400));
    }
    s.lightness = o.lightness;
    s.removalOn = o.removalStrength.has_value();
    s.removalStrength = o.removalStrength.value_or(60);
    s.replacementColour = o.backgroundColour;
    s.transparentBackground = o.transparent;
    s.frameWidth = o.frameWidth;
    s.frameColour = o.frameColour;
    if (o.start != 1) project.chooseStartImage(o.start);  // as "Set Start Image" does
    project.reverseSpin = o.reverse;
    project.rows = o.rows;
}

// "--remove-background 60": the 60 would be read as a photo. A number that
// names no file is taken for a value meant for the option.
std::string misplacedValue(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--") break;
        if (args[i] != "--remove-background") continue;
        const std::string& next = args[i + 1];
        if (next.empty() || next.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code ignored;
        if (!std::filesystem::exists(next, ignored))
            return "\"" + next + "\" is not a photo; did you mean --remove-background=" + next +
                   "?";
    }
    return {};
}

// -o names the page, not the folder it goes into.
std::string outputFolderError(const std::string& output) {
    std::error_code ignored;
    if (output.empty()) return {};
    if (output.back() != '/' && !std::filesystem::is_directory(output, ignored)) return {};
    std::string folder = output;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return "-o names the folder " + output + "; give the page to write there, e.g. -o " + folder +
           "/spin.htm";
}

// A transparent background needs removal, and frames that can carry it.
std::string transparencyError(const CliOptions& o) {
    if (!o.transparent) return {};
    if (!o.removalStrength)
        return "--background-colour=transparent needs --remove-background: only a removed "
               "background can be transparent";
    if (!carriesAlpha(o.format) && !o.output.empty())
        return "JPEG frames cannot carry a transparent background; choose --format=png or "
               "--format=webp";
    return {};
}

// A crop must lie within the photo it is taken from.
std::string cropError(const CliOptions& o, const Project& project) {
    const Photo* first = project.photoAt(0);
    if (!o.crop || !first) return {};
    const Rect& c = *o.crop;
    if (c.right <= first->width() && c.bottom <= first->height()) return {};
    return "--crop " + std::to_string(c.left) + "," + std::to_string(c.top) + "," +
           std::to_string(c.right) + "," + std::to_string(c.bottom) + " reaches outside " +
           first->name() + ", which is " + std::to_string(first->width()) + " x " +
           std::to_string(first->height()) + " pixels";
}

// The whole-series corrections; one that cannot be made says why and
// leaves the photos as they are.
void adjustSeries(const CliOptions& o, Project& project, std::FILE* out, std::FILE* err) {
    const auto report = [&](const char* what, const SeriesResult& r) {
        if (!r.ok)
            std::fprintf(err, "turnpixa-cli: warning: %s: %s\n", what, r.message.c_str());
        else if (!o.quiet)
            std::fprintf(out, "%s\n", r.message.c_str());
    };
    SeriesLook look;  // both look at the photos once
    if (o.autoCentre) report("--auto-centre", autoCentre(project, {}, &look));
    if (o.evenLightness) report("--even-lightness", evenLightness(project, {}, &look));
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    CliOptions options;
    std::string error;
    if (!parseCommandLine(args, options, error) ||
        (!options.help && !options.version &&
         (!(error = misplacedValue(args)).empty() ||
          !(error = outputFolderError(options.output)).empty() ||
          !(error = transparencyError(options)).empty() ||
          !(error = animationOptionsError(options)).empty()))) {
        std::fprintf(err, "turnpixa-cli: %s\nTry 'turnpixa-cli --help'.\n", error.c_str());
        return kCliUsage;
    }
    if (options.help) {
        std::fputs(usageText().c_str(), out);
        return kCliDone;
    }
    if (options.version) {
        std::fprintf(out, "turnpixa-cli %s\n", TURNPIXA_SPECIAL_BUILD);
        return kCliDone;
    }
    if (options.printMan || options.printCompletion) {
        const std::string text =
            options.printMan ? manPage(TURNPIXA_SPECIAL_BUILD) : bashCompletion();
        std::fputs(text.c_str(), out);
        return kCliDone;
    }
    if (!options.batch.empty()) return runBatch(args, options, out, err);
    if (!options.printPad.empty()) return runPrintPad(options, out, err);
    if (!options.snippet.empty()) return runSnippet(options, out, err);

    if (options.scanList) {
        const std::string list = ScanSpool::listScanners();
        if (list.empty()) std::fprintf(err, "turnpixa-cli: no scanners or cameras were found\n");
        std::fputs(list.c_str(), out);
        return kCliDone;
    }

    // Scanned pages follow the files, device by device in the order given.
    ScanSpool spool;
    std::vector<std::string> photos = options.photos;
    bool scannerFailed = false;
    for (const std::string& device : options.scanDevices) {
        if (!spool.scan(device, options.scanSource, photos, error)) {
            std::fprintf(err, "turnpixa-cli: %s\n", error.c_str());
            // A device that gave nothing ends the run; pages before a jam are kept.
            if (spool.pages() == 0) return kCliFailed;
            scannerFailed = true;
            break;
        }
        if (!options.quiet)
            std::fprintf(err, "turnpixa-cli: %d pages from %s\n", spool.pages(), device.c_str());
    }

    ProgressBar bar(err, !options.quiet);
    // Photos are decoded on two threads: the bar and library messages (a
    // damaged file's details, printed beside the bar) take turns.
    std::mutex barMutex;
    const ReportHandler previous =
        setReportHandler([&](const std::string& title, const std::string& text) {
            std::lock_guard<std::mutex> lock(barMutex);
            if (!options.quiet) bar.message("turnpixa-cli: " + title + ": " + text);
        });

    int status = kCliFailed;
    SpinLogo logo;
    BatchHost host;
    Project project;
    project.setHost(&host);
    if (!logo.load()) {
        std::fprintf(err, "turnpixa-cli: the built-in spin logo pictures are damaged\n");
    } else {
        project.setSpinLogo(&logo);
        BatchRenderer batch(project);
        if (options.autoCentre || options.evenLightness)
            batch.setAdjust([&](Project& p) {
                adjustSeries(options, p, out, err);
                return true;
            });
        std::string usage;
        const bool loaded = batch.run(
            photos,
            [&](Project& p) {
                usage = cropError(options, p);
                if (!usage.empty()) return false;
                applySettings(options, p);
                return true;
            },
            [&](int done, int total, const std::string& path) {
                std::lock_guard<std::mutex> lock(barMutex);
                bar.show("Loading", done, total, path);
            });
        bar.finish();
        // Warnings name the file whatever --quiet says: it silences progress only.
        for (const BatchRenderer::Skipped& s : batch.skipped())
            std::fprintf(err, "turnpixa-cli: skipping %s: %s\n", s.path.c_str(), s.reason.c_str());
        for (const BatchRenderer::Skipped& s : batch.damaged())
            std::fprintf(err,
                         "turnpixa-cli: warning: %s is damaged and was loaded only in part: %s\n",
                         s.path.c_str(), s.reason.c_str());
        for (const BatchRenderer::Skipped& s : batch.misshapen())
            std::fprintf(err, "turnpixa-cli: warning: %s is %s\n", s.path.c_str(),
                         s.reason.c_str());
        const std::size_t bad = batch.skipped().size() + batch.damaged().size();
        if (!usage.empty()) {
            std::fprintf(err, "turnpixa-cli: %s\nTry 'turnpixa-cli --help'.\n", usage.c_str());
            status = kCliUsage;
        } else if (options.strict && bad > 0) {
            std::fprintf(err,
                         "turnpixa-cli: --strict: %zu of the %zu photos were skipped or damaged; "
                         "nothing was written\n",
                         bad, photos.size());
        } else if (!loaded) {
            std::fprintf(err, "turnpixa-cli: none of the photos could be read\n");
        } else if (const std::string misfit = SpinRows::misfit(project.photoCount(), options.rows);
                   !misfit.empty()) {
            std::fprintf(err, "turnpixa-cli: --rows=%d: %s\nTry 'turnpixa-cli --help'.\n",
                         options.rows, misfit.c_str());
            status = kCliUsage;
        } else if (options.start > project.photoCount()) {
            std::fprintf(err, "turnpixa-cli: --start %d is beyond the %d photos that were read\n",
                         options.start, project.photoCount());
        } else if (options.output.empty()) {
            status = writeFramePack(options, project, bar, out, err);
        } else {
            SaveOptions save;
            save.format = options.format;
            if (options.quality) save.jpegQuality = save.webpQuality = *options.quality;
            save.zoomWidth = options.zoom;
            save.autoSpinOn = options.autoSpin != 0;
            if (save.autoSpinOn) save.autoSpinInterval = options.autoSpin;
            const CliAnimations animations = animationsFor(options);
            save.animation = animations.inSet;
            const SaveTarget target = SaveTarget::fromChosenPath(options.output);
            // A script names a page in a folder that need not exist yet.
            std::error_code ignored;
            std::filesystem::create_directories(target.outputFolder(), ignored);
            OutputSetWriter writer;
            ProjectFrames frames(project);
            std::string reason;
            // The frames are deflated on both cores; scanning is over by now.
            const PngEncodeThreadsForBatch bothCores;
            const bool written =
                writer.write(frames, target, save, reason,
                             [&](int done, int count) { bar.show("Writing", done, count); });
            bar.finish();
            for (const std::string& warning : writer.warnings())
                std::fprintf(err, "turnpixa-cli: warning: %s\n", warning.c_str());
            if (written) {
                project.saved = true;
                if (!options.quiet)
                    std::fprintf(out, "Wrote %d of %zu photos: %s\n", project.photoCount(),
                                 photos.size(), target.pagePath().c_str());
                if (!options.quiet) reportAnimationsInSet(writer.animationsWritten(), target, out);
                status = kCliDone;
                if (!writeAnimationsElsewhere(animations, frames, options.quiet, out, err))
                    status = kCliFailed;
                if (status == kCliDone && !options.framePack.empty())
                    status = writeFramePack(options, project, bar, out, err);
                if (status == kCliDone && options.upload) {
                    CliUploadRequest request;
                    request.set = {target.outputFolder(),
                                   target.stem(),
                                   project.photoCount(),
                                   options.format,
                                   writer.lastPage().zoomWidth > 0,
                                   writer.animationsWritten()};
                    request.settingsFile = options.settingsFile;
                    request.trustHostKey = options.trustHostKey;
                    request.quiet = options.quiet;
                    status = runUpload(request, out, err);
                }
            } else {
                std::fprintf(err, "turnpixa-cli: %s\n", reason.c_str());
            }
        }
    }
    setReportHandler(previous);
    return scannerFailed ? kCliFailed : status;
}

}  // namespace turnpixa
