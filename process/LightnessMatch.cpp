#include "process/LightnessMatch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace turnpixa {

namespace {

// A match goes no further than this: a photo so much darker or lighter is
// not a flicker but a different photo.
constexpr double kMaxGain = 1.4;
constexpr double kMaxPower = 1.4;
// A backdrop this light (on 255) is burnt out in places.
constexpr double kBurnt = 250.0;

using Levels = std::array<double, 3>;

// A level as the gamma step turns it.
double toned(double level, double gamma) {
    return 255.0 * std::pow(std::clamp(level, 0.5, 255.0) / 255.0, 1.0 / gamma);
}

// Small enough to leave alone: a photo already as bright as the median is
// not touched, so its frame stays exactly as it was.
double snapped(double v, double none) {
    return std::abs(v - none) < 0.002 ? none : std::round(v * 10000.0) / 10000.0;
}

double luma(const Levels& c) {
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2];
}

double medianOf(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2.0;
}

// The level below which a share of the backdrop's pixels lie.
double levelAt(const std::array<int, 256>& levels, double share) {
    std::int64_t total = 0;
    for (int n : levels) total += n;
    if (total == 0) return 0.0;
    const double wanted = share * static_cast<double>(total);
    std::int64_t below = 0;
    for (int v = 0; v < 256; ++v) {
        if (static_cast<double>(below + levels[v]) >= wanted)
            return v + (wanted - static_cast<double>(below)) / std::max(levels[v], 1);
        below += levels[v];
    }
    return 255.0;
}

// The backdrop's middle levels: its darkest are shaded corners and the
// edge of a shadow, its lightest burnt out.
constexpr double kShares[] = {0.3, 0.4, 0.5, 0.6, 0.7};

// The backdrop's gain against the reference levels, from the levels that
// are neither burnt out nor black in either; 0 when too few are.
double backdropGain(const std::array<int, 256>& levels, const std::vector<double>& reference) {
    std::vector<double> ratios;
    for (std::size_t q = 0; q < reference.size(); ++q) {
        const double v = levelAt(levels, kShares[q]);
        if (v > 8.0 && v < kBurnt && reference[q] > 8.0 && reference[q] < kBurnt)
            ratios.push_back(reference[q] / v);
    }
    if (ratios.size() < 2) return 0.0;
    return medianOf(ratios);
}

}  // namespace

std::vector<LightnessMatch> matchLightness(const std::vector<ObjectOutline>& outlines,
                                           double lightness) {
    const double gamma = lightness > 0 ? lightness : 0.1;
    const std::size_t n = outlines.size();
    std::vector<Levels> back(n), object(n);
    for (std::size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c) {
            back[i][c] = toned(outlines[i].backdropMean[c], gamma);
            object[i][c] = toned(outlines[i].objectMean[c], gamma);
        }
    Levels backRef{}, objectRef{};
    for (int c = 0; c < 3; ++c) {
        std::vector<double> b, o;
        for (std::size_t i = 0; i < n; ++i) b.push_back(back[i][c]), o.push_back(object[i][c]);
        backRef[c] = medianOf(b);
        objectRef[c] = medianOf(o);
    }

    std::array<std::vector<double>, 3> levelRef;
    for (int c = 0; c < 3; ++c)
        for (double share : kShares) {
            std::vector<double> v;
            for (const ObjectOutline& o : outlines)
                v.push_back(levelAt(o.backdropLevels[c], share));
            levelRef[c].push_back(medianOf(v));
        }

    std::vector<LightnessMatch> matches(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::array<double, 3> gains{};
        bool measured = true;
        for (int c = 0; c < 3; ++c) {
            gains[c] = backdropGain(outlines[i].backdropLevels[c], levelRef[c]);
            measured = measured && gains[c] > 0.0;
        }
        if (measured) {
            // Gains on the photo's levels act on the toned levels raised to 1 / gamma.
            for (int c = 0; c < 3; ++c)
                matches[i].balance[c] = snapped(
                    std::clamp(std::pow(gains[c], 1.0 / gamma), 1.0 / kMaxGain, kMaxGain), 1.0);
            continue;
        }
        // The power that brings backdrop and object into the reference's
        // ratio; one level alone (or two alike) gives no power to find.
        // A burnt-out (white) backdrop gives no gain: the object's level
        // gives the power that leaves white white.
        double power = 1.0;
        const double lb = luma(back[i]), lo = luma(object[i]);
        const double rb = luma(backRef), ro = luma(objectRef);
        if (std::abs(std::log(lb / lo)) > 0.1 && std::abs(std::log(rb / ro)) > 0.1)
            power = std::clamp(std::log(rb / ro) / std::log(lb / lo), 1.0 / kMaxPower, kMaxPower);
        LightnessMatch& m = matches[i];
        // Frames are toned with 1 / (gamma + offset) = power / gamma.
        m.lightnessOffset = snapped(gamma / power - gamma, 0.0);
        for (int c = 0; c < 3; ++c) {
            auto powered = [&](double v) { return 255.0 * std::pow(v / 255.0, power); };
            const double gain = std::sqrt(backRef[c] / powered(back[i][c]) *
                                          (objectRef[c] / powered(object[i][c])));
            m.balance[c] = snapped(std::clamp(gain, 1.0 / kMaxGain, kMaxGain), 1.0);
        }
    }
    return matches;
}

}  // namespace turnpixa
