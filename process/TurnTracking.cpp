#include "process/TurnTracking.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "process/SideBySide.h"

namespace turnpixa {

namespace {

// Neighbours whose best match is poorer than this (normalised
// correlation) are not the same view a step on.
constexpr double kMatched = 0.6;
// The coarsest level is searched this far either way; the finer ones a
// pixel about what the level below found.
constexpr int kCoarseReach = 5;
constexpr int kLevels = 3;

struct Level {
    int w = 0, h = 0;
    std::vector<float> v;
};

std::vector<Level> pyramid(const ObjectOutline& o) {
    std::vector<Level> p(1);
    p[0].w = o.gridWidth;
    p[0].h = o.gridHeight;
    p[0].v.assign(o.luminance.begin(), o.luminance.end());
    for (int l = 1; l < kLevels; ++l) {
        const Level& a = p.back();
        Level b;
        b.w = a.w / 2;
        b.h = a.h / 2;
        if (b.w < 16 || b.h < 16) break;
        b.v.resize(static_cast<std::size_t>(b.w) * b.h);
        for (int y = 0; y < b.h; ++y)
            for (int x = 0; x < b.w; ++x) {
                const std::size_t i = static_cast<std::size_t>(2 * y) * a.w + 2 * x;
                b.v[static_cast<std::size_t>(y) * b.w + x] =
                    0.25f * (a.v[i] + a.v[i + 1] + a.v[i + a.w] + a.v[i + a.w + 1]);
            }
        p.push_back(std::move(b));
    }
    return p;
}

// The normalised correlation from the sums over n pixels (a's variance
// va already taken); -1 where either side is flat.
double normalised(double n, double sa, double va, double sb, double sbb, double sab) {
    const double vb = sbb - sb * sb / n;
    return va <= 1e-6 || vb <= 1e-6 ? -1.0 : (sab - sa * sb / n) / std::sqrt(va * vb);
}

// Normalised correlation of `a` with `b` moved by (dx + k, dy), for k from
// 0 to K - 1, over a's pixels `margin` in from its border (the same pixels
// for every shift of a search, so that the scores compare). The shifts of
// one row of the search are summed in one pass: each sum still adds its
// pixels in the same order, only side by side.
template <int K>
void correlations(const Level& a, const Level& b, int dx, int dy, int margin, double* score) {
    const int x0 = margin, x1 = a.w - margin, y0 = margin, y1 = a.h - margin;
    if (x1 - x0 < 4 || y1 - y0 < 4) {
        for (int k = 0; k < K; ++k) score[k] = -1.0;
        return;
    }
    double sa = 0, saa = 0, sb[K] = {}, sbb[K] = {}, sab[K] = {};
    for (int y = y0; y < y1; ++y) {
        const float* pa = &a.v[static_cast<std::size_t>(y) * a.w];
        const float* pb = &b.v[static_cast<std::size_t>(y + dy) * b.w + dx];
        float ra = 0, raa = 0, rb[K] = {}, rbb[K] = {}, rab[K] = {};
        for (int x = x0; x < x1; ++x) {
            const float u = pa[x];
            ra += u, raa += u * u;
            // Unrolled, so that the sums stay in registers.
#pragma GCC unroll 16
            for (int k = 0; k < K; ++k) {
                const float v = pb[x + k];
                rb[k] += v, rbb[k] += v * v, rab[k] += u * v;
            }
        }
        sa += ra, saa += raa;
        for (int k = 0; k < K; ++k) sb[k] += rb[k], sbb[k] += rbb[k], sab[k] += rab[k];
    }
    const double n = double(x1 - x0) * (y1 - y0);
    const double va = saa - sa * sa / n;
    for (int k = 0; k < K; ++k) score[k] = normalised(n, sa, va, sb[k], sbb[k], sab[k]);
}

double correlation(const Level& a, const Level& b, int dx, int dy, int margin) {
    double score = 0;
    correlations<1>(a, b, dx, dy, margin, &score);
    return score;
}

// A whole search, the K x K shifts from (dx, dy) on, scores row by row:
// as correlations gives them, but each row's sums of a's pixels, and of b's
// pixels at each shift across, taken once for all the shifts down that
// read them, and added up in the same order.
template <int K>
void search(const Level& a, const Level& b, int dx, int dy, int margin, double* score) {
    const int x0 = margin, x1 = a.w - margin, y0 = margin, y1 = a.h - margin;
    if (x1 - x0 < 4 || y1 - y0 < 4) {
        for (int k = 0; k < K * K; ++k) score[k] = -1.0;
        return;
    }
    const int rows = y1 - y0;
    std::vector<float> ra(static_cast<std::size_t>(rows)), raa(ra.size());
    for (int y = y0; y < y1; ++y) {
        const float* pa = &a.v[static_cast<std::size_t>(y) * a.w];
        float s = 0, ss = 0;
        for (int x = x0; x < x1; ++x) s += pa[x], ss += pa[x] * pa[x];
        ra[y - y0] = s, raa[y - y0] = ss;
    }
    // b's rows y0 + dy on, K - 1 more than a's.
    std::vector<std::array<float, K>> rb(static_cast<std::size_t>(rows + K - 1)), rbb(rb.size());
    for (int r = 0; r < rows + K - 1; ++r) {
        const float* pb = &b.v[static_cast<std::size_t>(y0 + dy + r) * b.w + dx];
        std::array<float, K> s{}, ss{};
        for (int x = x0; x < x1; ++x) {
#pragma GCC unroll 16
            for (int k = 0; k < K; ++k) {
                const float v = pb[x + k];
                s[k] += v, ss[k] += v * v;
            }
        }
        rb[r] = s, rbb[r] = ss;
    }
    double sa = 0, saa = 0;
    for (int r = 0; r < rows; ++r) sa += ra[r], saa += raa[r];
    const double n = double(x1 - x0) * rows;
    const double va = saa - sa * sa / n;
    for (int j = 0; j < K; ++j) {
        double sb[K] = {}, sbb[K] = {}, sab[K] = {};
        for (int y = y0; y < y1; ++y) {
            const float* pa = &a.v[static_cast<std::size_t>(y) * a.w];
            const float* pb = &b.v[static_cast<std::size_t>(y + dy + j) * b.w + dx];
            float rab[K] = {};
            for (int x = x0; x < x1; ++x) {
                const float u = pa[x];
#pragma GCC unroll 16
                for (int k = 0; k < K; ++k) rab[k] += u * pb[x + k];
            }
            const auto& s = rb[static_cast<std::size_t>(y - y0 + j)];
            const auto& ss = rbb[static_cast<std::size_t>(y - y0 + j)];
            for (int k = 0; k < K; ++k) sb[k] += s[k], sbb[k] += ss[k], sab[k] += rab[k];
        }
        for (int k = 0; k < K; ++k) score[j * K + k] = normalised(n, sa, va, sb[k], sbb[k], sab[k]);
    }
}

// The search about (cx, cy): kCoarseReach either way on the coarsest
// level, one on the finer ones.
void searchAbout(const Level& a, const Level& b, int cx, int cy, int reach, int margin,
                 double* score) {
    if (reach == kCoarseReach)
        search<2 * kCoarseReach + 1>(a, b, cx - reach, cy - reach, margin, score);
    else
        search<3>(a, b, cx - 1, cy - 1, margin, score);
}

// The peak of a parabola through three scores a pixel apart, from the middle.
double peak(double before, double at, double after) {
    const double d = before - 2.0 * at + after;
    if (d >= 0.0) return 0.0;
    return std::clamp(0.5 * (before - after) / d, -0.5, 0.5);
}

// How far b's picture lies right and down of a's, in grid pixels of the
// finest level, and how well it matched there.
void matchPair(const std::vector<Level>& a, const std::vector<Level>& b, double& sx, double& sy,
               double& score) {
    int cx = 0, cy = 0;
    const int top = static_cast<int>(std::min(a.size(), b.size())) - 1;
    for (int l = top; l >= 0; --l) {
        const int reach = l == top ? kCoarseReach : 1;
        if (l != top) cx *= 2, cy *= 2;
        const int margin = std::max(std::abs(cx), std::abs(cy)) + reach + 1;
        double best = -2.0;
        int bx = cx, by = cy;
        double scores[(2 * kCoarseReach + 1) * (2 * kCoarseReach + 1)];
        searchAbout(a[l], b[l], cx, cy, reach, margin, scores);
        for (int dy = cy - reach; dy <= cy + reach; ++dy)
            for (int dx = cx - reach; dx <= cx + reach; ++dx) {
                const double c = scores[(dy - (cy - reach)) * (2 * reach + 1) + dx - (cx - reach)];
                if (c > best) best = c, bx = dx, by = dy;
            }
        cx = bx, cy = by;
        if (l == 0) {
            const int m = margin + 1;
            double across[3];
            correlations<3>(a[0], b[0], cx - 1, cy, m, across);
            const double at = across[1];
            sx = cx + peak(across[0], at, across[2]);
            sy = cy + peak(correlation(a[0], b[0], cx, cy - 1, m), at,
                           correlation(a[0], b[0], cx, cy + 1, m));
            score = at;
        }
    }
}

// Positions round a closed loop from the measured steps between photos
// apart: least squares, the positions' mean held at 0.
bool joinRound(int n, const std::vector<int>& from, const std::vector<int>& to,
               const std::vector<double>& step, const std::vector<double>& weight,
               std::vector<double>& pos) {
    std::vector<double> m(static_cast<std::size_t>(n) * (n + 1), 0.0);
    auto at = [&](int r, int c) -> double& { return m[static_cast<std::size_t>(r) * (n + 1) + c]; };
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) at(r, c) = 1.0;  // holds the mean at 0
    for (std::size_t e = 0; e < step.size(); ++e) {
        const int i = from[e], j = to[e];
        const double w = weight[e];
        at(i, i) += w, at(j, j) += w, at(i, j) -= w, at(j, i) -= w;
        at(j, n) += w * step[e], at(i, n) -= w * step[e];
    }
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::abs(at(r, col)) > std::abs(at(pivot, col))) pivot = r;
        if (std::abs(at(pivot, col)) < 1e-9) return false;
        for (int c = 0; c <= n; ++c) std::swap(at(col, c), at(pivot, c));
        for (int r = 0; r < n; ++r) {
            if (r == col) continue;
            const double f = at(r, col) / at(col, col);
            if (f != 0.0)
                for (int c = col; c <= n; ++c) at(r, c) -= f * at(col, c);
        }
    }
    pos.resize(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) pos[r] = at(r, n) / at(r, r);
    return true;
}

}  // namespace

bool trackHeights(const std::vector<ObjectOutline>& outlines, std::vector<double>& down) {
    const int n = static_cast<int>(outlines.size());
    if (n < 4) return false;
    for (const ObjectOutline& o : outlines)
        if (o.luminance.size() != static_cast<std::size_t>(o.gridWidth) * o.gridHeight ||
            o.gridWidth != outlines.front().gridWidth ||
            o.gridHeight != outlines.front().gridHeight)
            return false;
    std::vector<std::vector<Level>> levels(static_cast<std::size_t>(n));
    sideBySide(n, [&](int i) { levels[i] = pyramid(outlines[i]); });

    // Each photo against the next and the one after: the second joins
    // bridge a poor match and halve the drift of a long chain.
    struct Match {
        double sx = 0, sy = 0, score = 0;
    };
    std::vector<Match> matches(static_cast<std::size_t>(2 * n));
    sideBySide(2 * n, [&](int e) {
        const int lag = 1 + e / n, i = e % n;
        Match& m = matches[static_cast<std::size_t>(e)];
        matchPair(levels[i], levels[(i + lag) % n], m.sx, m.sy, m.score);
    });
    std::vector<int> from, to;
    std::vector<double> stepY, weight;
    int poor = 0;
    for (int lag = 1; lag <= 2; ++lag)
        for (int i = 0; i < n; ++i) {
            const int j = (i + lag) % n;
            const Match& m = matches[static_cast<std::size_t>((lag - 1) * n + i)];
            const double sy = m.sy, score = m.score;
            if (score < kMatched) {
                poor += lag == 1 ? 1 : 0;
                continue;
            }
            from.push_back(i), to.push_back(j);
            stepY.push_back(sy);
            weight.push_back(lag == 1 ? 1.0 : 0.5);
        }
    if (poor > n / 4) return false;
    std::vector<double> py;
    if (!joinRound(n, from, to, stepY, weight, py)) return false;
    down.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) down[i] = py[i] * outlines[i].scaleY;
    return true;
}

}  // namespace turnpixa
