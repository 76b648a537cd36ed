#include "project/SeriesAdjust.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "process/LightnessMatch.h"
#include "process/ObjectOutline.h"
#include "process/TurnCentring.h"
#include "project/Project.h"
#include "project/SpinRows.h"

namespace turnpixa {

namespace {

// Photos are looked at this small: a frame's worth of detail, fast enough
// for a whole series in a fraction of a second.
constexpr int kGridSide = 400;
// Summed red, green and blue distance from the series' backdrop beyond
// which a photo's border is not backdrop (as background removal counts an
// object).
constexpr double kOtherBackdrop = 90.0;

std::string photoLabel(const Project& project, int index) {
    std::string name = project.photoAt(index)->name();
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    return "photo " + std::to_string(index + 1) + " (" + name + ")";
}

SeriesUndo snapshot(Project& project, bool geometry) {
    SeriesUndo u;
    u.valid = true;
    u.geometry = geometry;
    u.photoChanges = project.photoChanges();
    for (int i = 0; i < project.photoCount(); ++i) {
        Photo* p = project.photoAt(i);
        u.photos.push_back(p);
        u.panX.push_back(p->panX);
        u.panY.push_back(p->panY);
        u.lightnessOffset.push_back(p->lightnessOffset);
        u.balance.push_back(p->balance);
    }
    u.cropOn = project.settings().cropOn;
    u.crop = project.settings().crop;
    return u;
}

// Every photo's outline on one grid; false with a message naming the
// photo that has no object to find, or no backdrop to find it against.
bool outlines(Project& project, const SeriesProgress& progress, std::vector<ObjectOutline>& out,
              std::string& message, SeriesLook* look) {
    const int n = project.photoCount();
    if (n == 0) {
        message = "There are no photos to adjust.";
        return false;
    }
    int gw = 0, gh = 0;
    outlineGrid(project.photoAt(0)->width(), project.photoAt(0)->height(), kGridSide, gw, gh);
    const bool seen = look && look->holds(project);
    if (seen)
        out = look->outlines();
    else
        out.clear();
    for (int i = 0; i < n; ++i) {
        const Photo& p = *project.photoAt(i);
        if (!seen) out.push_back(traceOutline(p.source(), p.width(), p.height(), gw, gh));
        const ObjectOutline& o = out[static_cast<std::size_t>(i)];
        if (o.gridWidth == 0) {
            message = "Nothing was changed: " + photoLabel(project, i) + " has no picture.";
            return false;
        }
        if (o.backdropShare < 0.03) {
            message = "Nothing was changed: the object fills " + photoLabel(project, i) +
                      " edge to edge, so there is no background to find it against.";
            return false;
        }
        if (o.objectShare < 0.002) {
            message = "Nothing was changed: " + photoLabel(project, i) +
                      " shows no object against its background.";
            return false;
        }
        if (progress) progress(i + 1, n);
    }
    // A photo whose border is far from the backdrop every other photo of
    // its row shows is filled by the object: its own border colour is the
    // object's. (From another camera height the backdrop behind the object
    // may be another part of the sweep or the floor.)
    const SpinRows grid = project.spinRows();
    for (int row = 0; row < grid.rows(); ++row) {
        const int from = row * grid.columns(), count = grid.columns();
        std::array<double, 3> backdrop{};
        for (int c = 0; c < 3; ++c) {
            std::vector<double> v;
            for (int i = from; i < from + count; ++i) v.push_back(out[i].backdropMean[c]);
            std::nth_element(v.begin(), v.begin() + count / 2, v.end());
            backdrop[c] = v[static_cast<std::size_t>(count / 2)];
        }
        for (int i = from; i < from + count; ++i) {
            double d = 0.0;
            for (int c = 0; c < 3; ++c) d += std::abs(out[i].backdropMean[c] - backdrop[c]);
            if (d > kOtherBackdrop) {
                message = "Nothing was changed: the object fills " + photoLabel(project, i) +
                          " edge to edge, so there is no background to find it against.";
                return false;
            }
        }
    }
    if (look && !seen) look->keep(project, out);
    return true;
}

// The photos of one row of the spin (all of them with one row).
std::vector<ObjectOutline> rowOf(const std::vector<ObjectOutline>& all, const SpinRows& grid,
                                 int row) {
    const auto from = all.begin() + static_cast<std::ptrdiff_t>(row) * grid.columns();
    return {from, from + grid.columns()};
}

// "in row 2, " where the spin has several rows, so that the user knows
// which turn a message is about.
std::string rowLabel(const SpinRows& grid, int row) {
    return grid.rows() > 1 ? "in row " + std::to_string(row + 1) + ", " : std::string();
}

void renderAgain(Project& project, const std::vector<bool>& changed) {
    for (std::size_t i = 0; i < changed.size(); ++i)
        if (changed[i]) project.photoAt(static_cast<int>(i))->cachedSettings().logoStale = true;
    project.schedulePreRender();
}

std::string photosText(int n) {
    return std::to_string(n) + (n == 1 ? " photo" : " photos");
}

// What a photo's outline is traced from.
const std::uint8_t* pixelsOf(const Photo& p) {
    return p.source().pixels();
}
std::array<int, 4> sizeOf(const Photo& p) {
    return {p.source().width(), p.source().height(), p.width(), p.height()};
}

}  // namespace

bool SeriesLook::holds(const Project& project) const {
    const int n = project.photoCount();
    if (n == 0 || photoChanges_ != project.photoChanges() || static_cast<int>(photos_.size()) != n)
        return false;
    for (int i = 0; i < n; ++i) {
        const Photo* p = project.photoAt(i);
        const auto k = static_cast<std::size_t>(i);
        if (p != photos_[k] || pixelsOf(*p) != pixels_[k] || sizeOf(*p) != sizes_[k]) return false;
    }
    return true;
}

void SeriesLook::keep(const Project& project, const std::vector<ObjectOutline>& outlines) {
    photoChanges_ = project.photoChanges();
    photos_.clear();
    pixels_.clear();
    sizes_.clear();
    for (int i = 0; i < project.photoCount(); ++i) {
        const Photo* p = project.photoAt(i);
        photos_.push_back(p);
        pixels_.push_back(pixelsOf(*p));
        sizes_.push_back(sizeOf(*p));
    }
    outlines_ = outlines;
}

SeriesResult autoCentre(Project& project, const SeriesProgress& progress, SeriesLook* look) {
    SeriesResult result;
    std::vector<ObjectOutline> seen;
    if (!outlines(project, progress, seen, result.message, look)) return result;
    TurnMovement movement;
    std::string reason;
    const ProcessingSettings& s = project.settings();
    const Photo& first = *project.photoAt(0);
    const bool cropUsable = s.cropOn && s.crop.width() > 0 && s.crop.height() > 0;
    const Rect crop = cropUsable ? s.crop : Rect{0, 0, first.width(), first.height()};
    std::vector<int> widths, heights;
    for (int i = 0; i < project.photoCount(); ++i) {
        widths.push_back(project.photoAt(i)->width());
        heights.push_back(project.photoAt(i)->height());
    }
    // Each row is one turn, at its own camera height: its own swing and
    // shake, measured from its own photos, and taken out about where the
    // object stands on average in that row. The crop is one for all the
    // photos, so one plan makes it fit every row's frames.
    const SpinRows grid = project.spinRows();
    for (int row = 0; row < grid.rows(); ++row) {
        TurnMovement own;
        if (!measureTurnMovement(rowOf(seen, grid, row), own, reason)) {
            result.message = "Nothing was changed: " + rowLabel(grid, row) + reason + ".";
            return result;
        }
        movement.x.insert(movement.x.end(), own.x.begin(), own.x.end());
        movement.y.insert(movement.y.end(), own.y.begin(), own.y.end());
    }
    CentringPlan plan;
    if (!planCentring(movement, widths, heights, crop, plan, reason)) {
        result.message = "Nothing was changed: " + reason + ".";
        return result;
    }
    // Corrections all below one frame pixel are measuring, not movement: a
    // steady series is left as it is.
    const double framePixel = s.outputWidth > 0 ? double(crop.width()) / s.outputWidth : 1.0;
    if (plan.largest < framePixel) {
        result.ok = true;
        result.message = "The photos are already centred; nothing was changed.";
        return result;
    }
    SeriesUndo undo = snapshot(project, true);
    std::vector<bool> changed(seen.size(), false);
    int count = 0;
    for (int i = 0; i < project.photoCount(); ++i) {
        Photo& p = *project.photoAt(i);
        const PanOffset pan = plan.pans[static_cast<std::size_t>(i)];
        changed[i] = p.panX != pan.x || p.panY != pan.y;
        count += changed[i] ? 1 : 0;
        p.panX = pan.x;
        p.panY = pan.y;
    }
    const bool cropChanged = !cropUsable || plan.crop != s.crop;
    const bool anyPan = std::any_of(plan.pans.begin(), plan.pans.end(),
                                    [](const PanOffset& p) { return p.x != 0 || p.y != 0; });
    if (count == 0 && (cropUsable || !anyPan)) {
        result.ok = true;
        result.message = "The photos are already centred; nothing was changed.";
        return result;
    }
    if (cropChanged && (cropUsable || anyPan)) {
        project.settings().cropOn = true;
        project.settings().crop = plan.crop;
    }
    renderAgain(project, changed);
    result.ok = true;
    result.undo = std::move(undo);
    result.message =
        photosText(count) + " centred; largest correction " + std::to_string(plan.largest) + " px";
    if (plan.cropShrunk)
        result.message += "; crop made smaller, to " + std::to_string(plan.crop.width()) + " x " +
                          std::to_string(plan.crop.height()) +
                          ", so that every frame stays inside its photo";
    return result;
}

SeriesResult evenLightness(Project& project, const SeriesProgress& progress, SeriesLook* look) {
    SeriesResult result;
    std::vector<ObjectOutline> seen;
    if (!outlines(project, progress, seen, result.message, look)) return result;
    // Each row is matched to its own median photo. From another camera
    // height the object shows another face (its top, from above) and the
    // backdrop another part of the sweep, lit differently: a difference
    // between rows is the scene's and is kept, while the flicker that makes
    // a turn pulse is within a row.
    const SpinRows grid = project.spinRows();
    std::vector<LightnessMatch> matches;
    for (int row = 0; row < grid.rows(); ++row) {
        const std::vector<LightnessMatch> own =
            matchLightness(rowOf(seen, grid, row), project.settings().lightness);
        matches.insert(matches.end(), own.begin(), own.end());
    }
    SeriesUndo undo = snapshot(project, false);
    std::vector<bool> changed(seen.size(), false);
    int count = 0;
    double largest = 0.0;
    for (int i = 0; i < project.photoCount(); ++i) {
        Photo& p = *project.photoAt(i);
        const LightnessMatch& m = matches[static_cast<std::size_t>(i)];
        changed[i] = p.lightnessOffset != m.lightnessOffset || p.balance != m.balance;
        count += changed[i] ? 1 : 0;
        p.lightnessOffset = m.lightnessOffset;
        p.balance = m.balance;
        for (double g : m.balance) largest = std::max(largest, std::abs(g - 1.0));
    }
    if (count == 0) {
        result.ok = true;
        result.message = "The photos are already evenly lit; nothing was changed.";
        return result;
    }
    renderAgain(project, changed);
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f", largest * 100.0);
    result.ok = true;
    result.undo = std::move(undo);
    result.message = photosText(count) + " evened out; largest change " + percent + " %";
    return result;
}

bool undoSeries(Project& project, const SeriesUndo& undo) {
    if (!undo.valid || undo.photoChanges != project.photoChanges() ||
        static_cast<int>(undo.photos.size()) != project.photoCount())
        return false;
    std::vector<bool> changed(undo.photos.size(), true);
    for (std::size_t i = 0; i < undo.photos.size(); ++i) {
        Photo* p = undo.photos[i];
        if (p != project.photoAt(static_cast<int>(i))) return false;
    }
    for (std::size_t i = 0; i < undo.photos.size(); ++i) {
        Photo* p = undo.photos[i];
        if (undo.geometry) {
            p->panX = undo.panX[i];
            p->panY = undo.panY[i];
        } else {
            p->lightnessOffset = undo.lightnessOffset[i];
            p->balance = undo.balance[i];
        }
    }
    if (undo.geometry) {
        project.settings().cropOn = undo.cropOn;
        project.settings().crop = undo.crop;
    }
    renderAgain(project, changed);
    return true;
}

}  // namespace turnpixa
