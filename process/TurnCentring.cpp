#include "process/TurnCentring.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

#include "process/TurnTracking.h"

namespace turnpixa {

namespace {

using Series = std::vector<double>;  // one value per photo; NaN where none
const double kNaN = std::nan("");

// Each edge's own course over the turn is held to this many harmonics:
// enough for a shape coming round, few enough that shake, which changes
// from one photo to the next, is not mistaken for shape.
// Lines at least this broad, against the broadest, take part.
constexpr double kBroad = 0.5;

// The object's ends are read this far in from the outermost line.
constexpr double kEnds = 0.35;

int harmonicsFor(int photos) {
    if (photos >= 12) return 2;
    if (photos >= 6) return 1;
    return 0;
}

struct Basis {
    int terms = 1;                        // 1 + 2 * harmonics
    std::vector<std::vector<double>> at;  // [photo][term]
};

Basis makeBasis(int photos, int harmonics) {
    Basis b;
    b.terms = 1 + 2 * harmonics;
    b.at.assign(static_cast<std::size_t>(photos), std::vector<double>(b.terms));
    for (int i = 0; i < photos; ++i) {
        const double t = 2.0 * std::numbers::pi * i / photos;
        auto& v = b.at[i];
        v[0] = 1.0;
        for (int k = 1; k <= harmonics; ++k) {
            v[2 * k - 1] = std::cos(k * t);
            v[2 * k] = std::sin(k * t);
        }
    }
    return b;
}

// Least squares of the values present on the basis; false when singular.
bool fitSeries(const Basis& b, const Series& values, std::vector<double>& coef) {
    const int n = b.terms;
    std::vector<double> m(static_cast<std::size_t>(n * (n + 1)), 0.0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::isnan(values[i])) continue;
        const auto& v = b.at[i];
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) m[r * (n + 1) + c] += v[r] * v[c];
            m[r * (n + 1) + n] += v[r] * values[i];
        }
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::abs(m[r * (n + 1) + col]) > std::abs(m[pivot * (n + 1) + col])) pivot = r;
        if (std::abs(m[pivot * (n + 1) + col]) < 1e-9) return false;
        for (int c = 0; c <= n; ++c) std::swap(m[col * (n + 1) + c], m[pivot * (n + 1) + c]);
        for (int r = 0; r < n; ++r) {
            if (r == col) continue;
            const double f = m[r * (n + 1) + col] / m[col * (n + 1) + col];
            for (int c = col; c <= n; ++c) m[r * (n + 1) + c] -= f * m[col * (n + 1) + c];
        }
    }
    coef.resize(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) coef[r] = m[r * (n + 1) + n] / m[r * (n + 1) + r];
    return true;
}

double valueAt(const Basis& b, const std::vector<double>& coef, int photo) {
    double sum = 0.0;
    for (int t = 0; t < b.terms; ++t) sum += coef[t] * b.at[photo][t];
    return sum;
}

double median(std::vector<double>& v) {
    if (v.empty()) return 0.0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

double quantile(std::vector<double>& v, double q) {
    const auto at =
        v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    std::nth_element(v.begin(), at, v.end());
    return *at;
}

// The broad lines' middles, and the middle of most broad lines' ends.
struct Lines {
    std::vector<Series> middles;
    Series extentMiddle;
};

// The shake is taken only when the lines agree on it: this many times
// better than they spread about it, photo by photo. An object whose shape
// changes a lot as it turns (a shoe's toe coming round) moves its lines
// every which way; a moved picture moves them all alike.
constexpr double kShakeAgreement = 2.0;
// The swing is taken only when it stands out of the scatter of the middle
// about it: chi-square of its two terms at one chance in a thousand of
// being that scatter alone.
constexpr double kSwingChiSquare = 13.8;

double present(const Series& s) {
    return static_cast<double>(
        std::count_if(s.begin(), s.end(), [](double v) { return !std::isnan(v); }));
}

// The once-a-turn swing of a middle, fitted; false when too few photos show it.
bool fitSwing(const Basis& once, const Series& middle, std::vector<double>& swing) {
    return present(middle) >= once.terms + 2 && fitSeries(once, middle, swing);
}

// Whether a fitted swing stands out of the middle's scatter about it
// (robustly: a few photos far off do not widen it).
bool swingStandsOut(const Basis& once, const Series& middle, const std::vector<double>& swing) {
    if (once.terms < 3) return false;
    std::vector<double> off;
    for (std::size_t i = 0; i < middle.size(); ++i)
        if (!std::isnan(middle[i]))
            off.push_back(middle[i] - valueAt(once, swing, static_cast<int>(i)));
    const double mid = median(off);
    for (double& v : off) v = std::abs(v - mid);
    const double scale = 1.4826 * median(off);
    const double amplitude2 = swing[1] * swing[1] + swing[2] * swing[2];
    if (scale <= 1e-9) return amplitude2 > 0.25;
    const double se2 = scale * scale * 2.0 / present(middle);
    return amplitude2 / se2 > kSwingChiSquare;
}

// The movement of one direction, per photo: the once-a-turn swing of the
// object's middle plus what changes from photo to photo alike for all the
// lines (the median of what their own smooth courses leave over), or, when
// the photos were tracked against their neighbours, what that track does
// beyond such a smooth course; each only when the photos show it beyond
// doubt (a steady series is left alone).
//
// An object's middle cannot tell its own lopsidedness (a heel, a handle)
// from standing off the turntable's centre: of the middles given, the one
// that swings least is taken, so that neither a handle swinging out nor a
// long shoe's heel rows are mistaken for a swing. A swing larger than
// `swingCap` is the object's own.
bool solveAxis(const std::vector<Series>& edges, const std::vector<const Series*>& middles,
               int photos, const Series& tracked, double swingCap, Series& movement,
               double& swingTaken) {
    const Basis basis = makeBasis(photos, harmonicsFor(photos));
    const int enough = std::max(basis.terms + 2, (2 * photos + 2) / 3);
    std::vector<const Series*> used;
    for (const Series& e : edges)
        if (present(e) >= std::min(enough, photos)) used.push_back(&e);
    if (used.size() < 4) return false;

    Series shake(static_cast<std::size_t>(photos), 0.0);
    const bool isTracked = static_cast<int>(tracked.size()) == photos;
    if (isTracked) {
        std::vector<double> own;
        if (!fitSeries(basis, tracked, own)) return false;
        for (int i = 0; i < photos; ++i) shake[i] = tracked[i] - valueAt(basis, own, i);
    }
    std::vector<std::vector<double>> coef(used.size());
    std::vector<std::vector<double>> residuals(static_cast<std::size_t>(photos));
    Series shifted(static_cast<std::size_t>(photos));
    auto collect = [&]() {
        for (auto& r : residuals) r.clear();
        for (std::size_t f = 0; f < used.size(); ++f) {
            const Series& e = *used[f];
            for (int i = 0; i < photos; ++i) shifted[i] = e[i] - shake[i];
            if (!fitSeries(basis, shifted, coef[f])) continue;
            for (int i = 0; i < photos; ++i)
                if (!std::isnan(shifted[i]))
                    residuals[i].push_back(shifted[i] - valueAt(basis, coef[f], i));
        }
    };
    for (int round = 0; round < (isTracked ? 0 : 8); ++round) {
        collect();
        for (int i = 0; i < photos; ++i) shake[i] += median(residuals[i]);
        // What the edges' own courses can follow is theirs: only the rest is shake.
        std::vector<double> own;
        if (fitSeries(basis, shake, own))
            for (int i = 0; i < photos; ++i) shake[i] -= valueAt(basis, own, i);
    }
    // How far the lines spread about the shake, photo by photo, against
    // how far the shake goes.
    collect();
    std::vector<double> spread, size;
    for (int i = 0; i < photos; ++i) {
        std::vector<double>& r = residuals[i];
        if (r.empty()) continue;
        const double mid = median(r);
        for (double& v : r) v = std::abs(v - mid);
        spread.push_back(median(r));
        size.push_back(shake[i] * shake[i]);
    }
    const double shakeSize = std::sqrt(std::accumulate(size.begin(), size.end(), 0.0) /
                                       std::max<std::size_t>(size.size(), 1));
    if (spread.empty() || shakeSize < kShakeAgreement * median(spread))
        std::fill(shake.begin(), shake.end(), 0.0);

    // The once-a-turn swing of the object's middle, shake taken out.
    const Basis once = makeBasis(photos, std::min(1, harmonicsFor(photos)));
    std::vector<double> swing;
    Series steady;
    double least = 1e300;
    for (const Series* m : middles) {
        Series s(static_cast<std::size_t>(photos));
        for (int i = 0; i < photos; ++i) s[i] = (*m)[i] - shake[i];
        std::vector<double> c;
        if (!fitSwing(once, s, c)) continue;
        const double amplitude = once.terms < 3 ? 0.0 : std::hypot(c[1], c[2]);
        if (amplitude < least) least = amplitude, swing = c, steady = s;
    }
    if (swing.empty()) return false;
    const bool swings = least <= swingCap && swingStandsOut(once, steady, swing);
    swingTaken = swings ? least : 0.0;
    movement.assign(static_cast<std::size_t>(photos), 0.0);
    for (int i = 0; i < photos; ++i)
        movement[i] = (swings ? valueAt(once, swing, i) - swing[0] : 0.0) + shake[i];
    return true;
}

// One edge list of every photo as series over the photos, in full-size
// pixels; `along` is how far each photo's list is to be read further on
// (grid pixels), to follow a movement across the lines.
std::vector<Series> edgeSeries(const std::vector<ObjectOutline>& outlines,
                               std::vector<float> ObjectOutline::*list, bool across,
                               const Series& along) {
    const ObjectOutline& first = outlines.front();
    const std::size_t count = (first.*list).size();
    const int extent = across ? first.gridWidth : first.gridHeight;
    std::vector<Series> edges(count, Series(outlines.size(), kNaN));
    for (std::size_t i = 0; i < outlines.size(); ++i) {
        const ObjectOutline& o = outlines[i];
        const std::vector<float>& v = o.*list;
        const double scale = across ? o.scaleX : o.scaleY;
        for (std::size_t f = 0; f < count; ++f) {
            const double at = static_cast<double>(f) + along[i];
            const auto lo = static_cast<std::ptrdiff_t>(std::floor(at));
            if (lo < 0 || lo + 1 >= static_cast<std::ptrdiff_t>(v.size())) continue;
            const float a = v[static_cast<std::size_t>(lo)],
                        b = v[static_cast<std::size_t>(lo + 1)];
            // An edge at the photo's border is the border, not the object.
            auto real = [&](float e) {
                return e != ObjectOutline::kNone && e > 0.5f && e < extent - 1.5f;
            };
            if (!real(a) || !real(b)) continue;
            const double frac = at - static_cast<double>(lo);
            edges[f][i] = ((1.0 - frac) * a + frac * b + 0.5) * scale;
        }
    }
    return edges;
}

// Less than a pixel is measuring, not movement: a steady photo keeps its
// offset of 0.
int whole(double v) {
    return std::abs(v) < 1.0 ? 0 : static_cast<int>(std::lround(v));
}

}  // namespace

bool measureTurnMovement(const std::vector<ObjectOutline>& outlines, TurnMovement& movement,
                         std::string& reason) {
    const int photos = static_cast<int>(outlines.size());
    if (photos == 0 || outlines.front().gridWidth == 0) {
        reason = "there are no photos to look at";
        return false;
    }
    for (const ObjectOutline& o : outlines)
        if (o.gridWidth != outlines.front().gridWidth ||
            o.gridHeight != outlines.front().gridHeight) {
            reason = "the photos were not looked at on one grid";
            return false;
        }
    // Up and down the object's edges mislead where it reaches the top or
    // bottom of some photos; its picture matched against its neighbours'
    // does not. Across, its own turning slides its picture sideways from
    // one photo to the next, so there the edges are followed.
    Series trackedDown;
    if (!trackHeights(outlines, trackedDown)) trackedDown.clear();
    // Across first with the rows as they are, then down following the
    // rows' movement, then across again with the rows followed down.
    Series noShift(static_cast<std::size_t>(photos), 0.0);
    Series across, down;
    // The middle of each line (a row's two ends, a column's two ends) is
    // followed; only the object's broader lines take part, since a narrow
    // part (a heel, a handle seen end on) swings round with the turn.
    auto midlines = [&](std::vector<float> ObjectOutline::*a, std::vector<float> ObjectOutline::*b,
                        bool isAcross, const Series& along) {
        const std::vector<Series> first = edgeSeries(outlines, a, isAcross, along);
        const std::vector<Series> second = edgeSeries(outlines, b, isAcross, along);
        std::vector<Series> middles(first.size(), Series(static_cast<std::size_t>(photos), kNaN));
        std::vector<double> extent(first.size(), 0.0);
        double broadest = 0.0;
        for (std::size_t f = 0; f < first.size(); ++f) {
            int present = 0;
            for (int i = 0; i < photos; ++i) {
                if (std::isnan(first[f][i]) || std::isnan(second[f][i])) continue;
                middles[f][i] = (first[f][i] + second[f][i]) / 2.0;
                extent[f] += second[f][i] - first[f][i];
                ++present;
            }
            // A line seen in only some photos counts for those.
            extent[f] = present ? extent[f] / photos : 0.0;
            broadest = std::max(broadest, extent[f]);
        }
        Lines broad;
        broad.extentMiddle.assign(static_cast<std::size_t>(photos), kNaN);
        for (int i = 0; i < photos; ++i) {
            std::vector<double> lo, hi;
            for (std::size_t f = 0; f < first.size(); ++f) {
                if (extent[f] < kBroad * broadest || broadest <= 0.0) continue;
                if (i == 0) broad.middles.push_back(middles[f]);
                if (std::isnan(middles[f][i])) continue;
                lo.push_back(first[f][i]);
                hi.push_back(second[f][i]);
            }
            // The outer ends of most broad lines: a part that sticks out on a
            // few (a handle) does not move it.
            if (!lo.empty())
                broad.extentMiddle[i] = (quantile(lo, kEnds) + quantile(hi, 1.0 - kEnds)) / 2.0;
        }
        return broad;
    };
    // The middle of the object's outermost ends across, where it stays
    // inside the photo.
    Series outer(static_cast<std::size_t>(photos), kNaN);
    for (int i = 0; i < photos; ++i) {
        const ObjectOutline& o = outlines[i];
        float lo = 1e30f, hi = -1e30f;
        bool inside = true;
        for (std::size_t r = 0; r < o.left.size(); ++r) {
            if (o.left[r] == ObjectOutline::kNone || o.right[r] == ObjectOutline::kNone) continue;
            inside = inside && o.left[r] > 0.5f && o.right[r] < o.gridWidth - 1.5f;
            lo = std::min(lo, o.left[r]);
            hi = std::max(hi, o.right[r]);
        }
        if (inside && lo <= hi) outer[i] = ((lo + hi) / 2.0 + 0.5) * o.scaleX;
    }
    const Lines rows0 = midlines(&ObjectOutline::left, &ObjectOutline::right, true, noShift);
    const double any = std::numeric_limits<double>::infinity();
    double swingAcross = 0.0, swingDown = 0.0;
    bool ok = solveAxis(rows0.middles, {&rows0.extentMiddle, &outer}, photos, {}, any, across,
                        swingAcross);
    if (ok) {
        Series followX(static_cast<std::size_t>(photos));
        for (int i = 0; i < photos; ++i) followX[i] = across[i] / outlines[i].scaleX;
        const Lines columns = midlines(&ObjectOutline::top, &ObjectOutline::bottom, false, followX);
        // An object off the turntable's centre, seen from above, swings up
        // and down by less than it swings across; up and down alone it is
        // the object's own shape coming nearer and going farther (a heel).
        ok = solveAxis(columns.middles, {&columns.extentMiddle}, photos, trackedDown, swingAcross,
                       down, swingDown);
    }
    if (ok) {
        Series followY(static_cast<std::size_t>(photos));
        for (int i = 0; i < photos; ++i) followY[i] = down[i] / outlines[i].scaleY;
        const Lines rows = midlines(&ObjectOutline::left, &ObjectOutline::right, true, followY);
        ok = solveAxis(rows.middles, {&rows.extentMiddle, &outer}, photos, {}, any, across,
                       swingAcross);
    }
    if (!ok) {
        reason = "the object's outline could not be followed through the photos";
        return false;
    }
    movement.x = across;
    movement.y = down;
    return true;
}

bool planCentring(const TurnMovement& movement, const std::vector<int>& widths,
                  const std::vector<int>& heights, const Rect& crop, CentringPlan& plan,
                  std::string& reason) {
    const std::size_t n = movement.x.size();
    if (n == 0 || widths.size() != n || heights.size() != n || crop.width() <= 0 ||
        crop.height() <= 0) {
        reason = "there is nothing to centre";
        return false;
    }
    plan.pans.assign(n, {});
    plan.largest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        plan.pans[i].x = whole(movement.x[i]);
        plan.pans[i].y = whole(movement.y[i]);
        plan.largest = std::max({plan.largest, std::abs(plan.pans[i].x), std::abs(plan.pans[i].y)});
    }
    // Shrink about the middle, keeping the shape, until every moved crop
    // lies inside its photo.
    auto fits = [&](const Rect& c) {
        for (std::size_t i = 0; i < n; ++i) {
            const PanOffset p = plan.pans[i];
            if (c.left + p.x < 0 || c.top + p.y < 0 || c.right + p.x > widths[i] ||
                c.bottom + p.y > heights[i])
                return false;
        }
        return true;
    };
    plan.crop = crop;
    plan.cropShrunk = false;
    const double cx = (crop.left + crop.right) / 2.0, cy = (crop.top + crop.bottom) / 2.0;
    for (int step = 0; !fits(plan.crop); ++step) {
        const double keep = 1.0 - step * 0.002;
        const int w = static_cast<int>(crop.width() * keep),
                  h = static_cast<int>(crop.height() * keep);
        if (keep < 0.5 || w < 2 || h < 2) {
            reason =
                "the photos move too far: a crop that fits every one would lose more than "
                "half the picture";
            return false;
        }
        const int left = static_cast<int>(std::lround(cx - w / 2.0));
        const int top = static_cast<int>(std::lround(cy - h / 2.0));
        plan.crop = Rect{left, top, left + w, top + h};
        plan.cropShrunk = true;
    }
    return true;
}

}  // namespace turnpixa
