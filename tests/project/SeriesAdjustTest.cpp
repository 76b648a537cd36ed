#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "process/FrameRenderer.h"
#include "project/Project.h"
#include "project/SeriesAdjust.h"
#include "tests/support/TurningMug.h"

namespace turnpixa {
namespace {

using test::fillBox;
using test::MugMove;
using test::mugPhoto;
using Move = MugMove;
constexpr int kW = test::kMugWidth, kH = test::kMugHeight;
const PackedColour kBackdrop = packColour(200, 200, 205);
std::vector<Move> wobble(int count) {
    return test::mugWobble(count);
}

// Photo k of count of a long shoe-like object turning on the spot: a sole
// 140 long and 30 wide whose rows, higher up, stop ever shorter of the toe
// (so most rows' middles lean to the heel and swing round with it), and a
// tall narrow heel at the back; the whole picture moved by `move`.
RasterImage shoePhoto(int k, int count, Move move) {
    RasterImage image;
    image.create(kW, kH, 24);
    image.fill(kBackdrop);
    const double t = 2.0 * std::numbers::pi * k / count;
    const double c = std::cos(t), w = 15.0 * std::abs(std::sin(t));
    const int cx = kW / 2 + move.x, ground = 140 + move.y;
    for (int y = ground - 40; y < ground; ++y) {
        const double toe = 70.0 - 2.2 * (ground - y);  // the vamp slopes to the toe
        const double a = cx - 70.0 * c, b = cx + toe * c;
        fillBox(image, static_cast<int>(std::lround(std::min(a, b) - w)), y,
                static_cast<int>(std::lround(std::max(a, b) + w)), y + 1, 40, 120, 140);
    }
    const int heel = static_cast<int>(std::lround(cx - 62.0 * c));
    fillBox(image, heel - 8, ground - 95, heel + 8, ground - 40, 30, 100, 120);
    return image;
}

class SeriesAdjust : public ::testing::Test {
protected:
    void load(const std::vector<Move>& moves, const std::vector<double>& gains = {}) {
        const int n = static_cast<int>(moves.size());
        for (int k = 0; k < n; ++k)
            project.addPhoto(
                std::make_unique<Photo>(mugPhoto(k, n, moves[k], gains.empty() ? 1.0 : gains[k]),
                                        "mug-" + std::to_string(k + 1)));
        project.currentImage = 1;
        project.deriveOutputSizeFromWidth(120);
    }
    void cropTo(Rect r) {
        project.settings().cropOn = true;
        project.settings().crop = r;
    }
    std::vector<Move> pans() {
        std::vector<Move> p;
        for (int i = 0; i < project.photoCount(); ++i)
            p.push_back({project.photoAt(i)->panX, project.photoAt(i)->panY});
        return p;
    }
    // The mean of every byte of photo i's frame, rendered in full.
    double frameMean(int i) {
        ProcessingSettings s = project.settings();
        s.quick = false;
        const RasterImage frame = render(*project.photoAt(i), s);
        double sum = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width() * 3; ++x) sum += frame.rowData(y)[x];
        return sum / (frame.width() * 3.0 * frame.height());
    }

    Project project;
};

TEST_F(SeriesAdjust, AWobblingSeriesIsBroughtToTurnInPlace) {
    const std::vector<Move> moves = wobble(36);
    load(moves);
    cropTo({40, 30, 200, 150});
    const SeriesResult r = autoCentre(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message.rfind("36 photos centred; largest correction ", 0), 0u) << r.message;
    // Every pan undoes that photo's movement, so the body stands in one
    // place in every frame (to a pixel either way), about where it stands
    // on average.
    int lowX = 1000, highX = -1000, lowY = 1000, highY = -1000;
    double meanX = 0, meanY = 0;
    for (int i = 0; i < 36; ++i) {
        const Photo& p = *project.photoAt(i);
        lowX = std::min(lowX, moves[i].x - p.panX), highX = std::max(highX, moves[i].x - p.panX);
        lowY = std::min(lowY, moves[i].y - p.panY), highY = std::max(highY, moves[i].y - p.panY);
        meanX += (moves[i].x - p.panX) / 36.0, meanY += (moves[i].y - p.panY) / 36.0;
    }
    EXPECT_LE(highX - lowX, 2);
    EXPECT_LE(highY - lowY, 2);
    EXPECT_LT(std::abs(meanX), 2.0);
    EXPECT_LT(std::abs(meanY), 2.0);
    EXPECT_EQ(project.settings().crop, (Rect{40, 30, 200, 150}));  // the moved crops fit
}

// A spin in rows: row r of `orbits` turns once with its own swing (across
// by ax sin + bx cos, down by ay cos) and stands `height` lower in the frame
// (its camera height), shaken by up to `shake` pixels each way.
struct RowOrbit {
    double ax, bx, ay;
    int height;
};
std::vector<Move> rowMoves(const std::vector<RowOrbit>& orbits, int columns, int shake) {
    std::vector<Move> moves;
    unsigned seed = 7;
    auto jitter = [&] {
        seed = seed * 1103515245u + 12345u;
        return shake == 0 ? 0 : static_cast<int>((seed >> 16) % (2 * shake + 1)) - shake;
    };
    for (const RowOrbit& o : orbits)
        for (int k = 0; k < columns; ++k) {
            const double t = 2.0 * std::numbers::pi * k / columns;
            const int x = static_cast<int>(std::lround(o.ax * std::sin(t) + o.bx * std::cos(t)));
            const int y = static_cast<int>(std::lround(o.ay * std::cos(t)));
            moves.push_back({x + jitter(), o.height + y + jitter()});
        }
    return moves;
}

// The mug turned once a row, each photo moved as given, into `project`.
void loadRows(Project& project, const std::vector<Move>& moves, int columns, int rows) {
    for (int i = 0; i < static_cast<int>(moves.size()); ++i)
        project.addPhoto(std::make_unique<Photo>(mugPhoto(i % columns, columns, moves[i]),
                                                 "mug-" + std::to_string(i + 1)));
    project.currentImage = 1;
    project.rows = rows;
    project.deriveOutputSizeFromWidth(120);
}

TEST_F(SeriesAdjust, EachRowOfASpinInRowsIsCentredOnItsOwnTurn) {
    constexpr int kColumns = 36;
    const std::vector<RowOrbit> orbits = {{20, 0, 5, -10}, {8, 14, -4, 0}, {0, 30, 3, 12}};
    const std::vector<Move> moves = rowMoves(orbits, kColumns, 4);
    loadRows(project, moves, kColumns, 3);
    cropTo({30, 30, 210, 150});  // room for the first two rows' moves, not the third's
    const SeriesResult r = autoCentre(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NE(r.message.find(" photos centred; largest correction 3"), std::string::npos)
        << r.message;
    // In every row the body stands in one place (within a pixel and a half
    // RMS, as a single turn of this mug comes out), where it stands on
    // average in that row: the rows' heights stay.
    for (int row = 0; row < 3; ++row) {
        std::vector<double> xs, ys;
        double placeY = 0;
        for (int i = row * kColumns; i < (row + 1) * kColumns; ++i) {
            const Photo& p = *project.photoAt(i);
            xs.push_back(moves[i].x - p.panX), ys.push_back(moves[i].y - p.panY);
            placeY += moves[i].y / double{kColumns};
        }
        for (std::vector<double>* v : {&xs, &ys}) {
            double mean = 0, square = 0;
            for (double d : *v) mean += d / kColumns;
            for (double d : *v) square += (d - mean) * (d - mean) / kColumns;
            const auto [low, high] = std::minmax_element(v->begin(), v->end());
            EXPECT_LE(std::sqrt(square), 1.5)
                << "row " << row + 1 << (v == &xs ? " across" : " down");
            EXPECT_LE(*high - *low, 3.0) << "row " << row + 1 << (v == &xs ? " across" : " down");
            EXPECT_LT(std::abs(mean - (v == &xs ? 0.0 : placeY)), 2.0) << "row " << row + 1;
        }
    }
    // One crop for every row's frames, inside every photo once moved.
    const Rect& crop = project.settings().crop;
    for (const Move& p : pans()) {
        EXPECT_TRUE(crop.left + p.x >= 0 && crop.right + p.x <= kW) << p.x;
        EXPECT_TRUE(crop.top + p.y >= 0 && crop.bottom + p.y <= kH) << p.y;
    }
    EXPECT_NE(r.message.find("; crop made smaller"), std::string::npos) << r.message;

    // The same rows standing still, each at its own height, are left alone.
    Project still;
    const std::vector<Move> heights =
        rowMoves({{0, 0, 0, -10}, {0, 0, 0, 0}, {0, 0, 0, 12}}, 24, 0);
    loadRows(still, heights, 24, 3);
    const SeriesResult left = autoCentre(still);
    ASSERT_TRUE(left.ok) << left.message;
    EXPECT_EQ(left.message, "The photos are already centred; nothing was changed.");
    EXPECT_FALSE(still.settings().cropOn);
    for (int i = 0; i < still.photoCount(); ++i)
        EXPECT_TRUE(still.photoAt(i)->panX == 0 && still.photoAt(i)->panY == 0)
            << "photo " << i + 1;
}

TEST_F(SeriesAdjust, ASteadySeriesIsLeftAloneWhateverItsHandleDoes) {
    load(std::vector<Move>(36));
    const SeriesResult r = autoCentre(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message, "The photos are already centred; nothing was changed.");
    EXPECT_FALSE(r.undo.valid);
    EXPECT_FALSE(project.settings().cropOn);
    for (const Move& p : pans()) EXPECT_TRUE(p.x == 0 && p.y == 0) << p.x << "," << p.y;
}

TEST_F(SeriesAdjust, AnObjectWhoseShapeChangesAsItTurnsIsNotMovedUnlessThePhotosMoved) {
    // Steady: the heel and the sloping rows come round, the picture stays.
    for (int k = 0; k < 36; ++k)
        project.addPhoto(
            std::make_unique<Photo>(shoePhoto(k, 36, {}), "shoe-" + std::to_string(k + 1)));
    project.currentImage = 1;
    project.deriveOutputSizeFromWidth(120);
    const SeriesResult still = autoCentre(project);
    ASSERT_TRUE(still.ok) << still.message;
    EXPECT_EQ(still.message, "The photos are already centred; nothing was changed.");
    for (const Move& p : pans()) EXPECT_TRUE(p.x == 0 && p.y == 0) << p.x << "," << p.y;

    // The same turn off the turntable's centre and shaken: the swing comes
    // out (what is left does not go round with the turn). Its shake is not
    // told from its shape changing, so it is left.
    const std::vector<Move> moves = wobble(36);
    Project moved;
    for (int k = 0; k < 36; ++k)
        moved.addPhoto(
            std::make_unique<Photo>(shoePhoto(k, 36, moves[k]), "shoe-" + std::to_string(k + 1)));
    moved.currentImage = 1;
    moved.deriveOutputSizeFromWidth(120);
    moved.settings().cropOn = true;
    moved.settings().crop = Rect{40, 20, 200, 160};
    const SeriesResult r = autoCentre(moved);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.undo.valid);
    double cosX = 0, sinX = 0, cosY = 0, sinY = 0;
    for (int i = 0; i < 36; ++i) {
        const Photo& p = *moved.photoAt(i);
        const double t = 2.0 * std::numbers::pi * i / 36;
        cosX += (moves[i].x - p.panX) * std::cos(t) / 18,
            sinX += (moves[i].x - p.panX) * std::sin(t) / 18;
        cosY += (moves[i].y - p.panY) * std::cos(t) / 18,
            sinY += (moves[i].y - p.panY) * std::sin(t) / 18;
    }
    EXPECT_LT(std::hypot(cosX, sinX), 2.0) << "across swing left " << cosX << "," << sinX;
    EXPECT_LT(std::hypot(cosY, sinY), 2.0) << "down swing left " << cosY << "," << sinY;
}

TEST_F(SeriesAdjust, TheCropShrinksWhenAMovedCropWouldLeaveItsPhotoAndUndoPutsAllBack) {
    const std::vector<Move> moves = wobble(36);
    load(moves);
    project.photoAt(3)->panX = 7;  // a hand-set pan, kept by undo
    const SeriesResult r = autoCentre(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NE(r.message.find("; crop made smaller, to "), std::string::npos) << r.message;
    const ProcessingSettings& s = project.settings();
    ASSERT_TRUE(s.cropOn);
    EXPECT_LT(s.crop.width(), kW);
    EXPECT_NEAR(double(s.crop.width()) / s.crop.height(), double(kW) / kH, 0.02);
    for (const Move& p : pans()) {
        EXPECT_GE(s.crop.left + p.x, 0);
        EXPECT_GE(s.crop.top + p.y, 0);
        EXPECT_LE(s.crop.right + p.x, kW);
        EXPECT_LE(s.crop.bottom + p.y, kH);
    }
    // The frames show the change: the cached ones are stale.
    EXPECT_TRUE(project.photoAt(0)->cachedSettings().logoStale);

    ASSERT_TRUE(undoSeries(project, r.undo));
    EXPECT_FALSE(project.settings().cropOn);
    std::vector<Move> back = pans();
    EXPECT_EQ(back[3].x, 7);
    back[3].x = 0;
    for (const Move& p : back) EXPECT_TRUE(p.x == 0 && p.y == 0);
}

TEST_F(SeriesAdjust, UndoRefusesOnceThePhotosHaveChanged) {
    load(wobble(12));
    const SeriesResult r = autoCentre(project);
    ASSERT_TRUE(r.undo.valid) << r.message;
    const std::vector<Move> after = pans();
    project.removePhoto(11);
    EXPECT_FALSE(undoSeries(project, r.undo));
    for (int i = 0; i < 11; ++i) EXPECT_EQ(project.photoAt(i)->panX, after[i].x);
}

TEST_F(SeriesAdjust, AFilledOrEmptyPhotoIsNamedAndNothingChanges) {
    for (const bool filled : {true, false}) {
        Project& p = project;
        while (p.photoCount() > 0) p.removePhoto(0);
        load(wobble(12));
        RasterImage odd;
        odd.create(kW, kH, 24);
        odd.fill(filled ? packColour(60, 90, 170) : kBackdrop);
        if (filled)
            fillBox(odd, 0, 0, 10, 10, 200, 200, 205);  // a corner of backdrop is not enough
        p.replacePhoto(4, std::make_unique<Photo>(std::move(odd), "/photos/odd.jpg"));
        p.photoAt(2)->panX = 5;
        for (const SeriesResult& r : {autoCentre(p), evenLightness(p)}) {
            EXPECT_FALSE(r.ok);
            EXPECT_FALSE(r.undo.valid);
            EXPECT_NE(r.message.find("photo 5 (odd.jpg)"), std::string::npos) << r.message;
            EXPECT_NE(r.message.find(filled ? "edge to edge" : "no object"), std::string::npos)
                << r.message;
        }
        EXPECT_FALSE(p.settings().cropOn);
        EXPECT_EQ(p.photoAt(2)->panX, 5);
        EXPECT_EQ(p.photoAt(0)->panX, 0);
        EXPECT_EQ(p.photoAt(0)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
    }
}

TEST_F(SeriesAdjust, FlickeringPhotosAreBroughtToTheMedianBrightness) {
    const std::vector<double> gains = {1.05, 0.95, 1.0, 1.03, 0.97, 1.06, 0.94, 1.02, 0.98};
    load(std::vector<Move>(gains.size()), gains);
    const SeriesResult r = evenLightness(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message.rfind("8 photos evened out; largest change ", 0), 0u) << r.message;
    const double reference = frameMean(2);  // the photo of gain 1, the median
    for (int i = 0; i < static_cast<int>(gains.size()); ++i)
        EXPECT_NEAR(frameMean(i) / reference, 1.0, 0.005) << "photo " << i + 1;

    ASSERT_TRUE(undoSeries(project, r.undo));
    EXPECT_EQ(project.photoAt(0)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(project.photoAt(0)->lightnessOffset, 0.0);
}

TEST_F(SeriesAdjust, EachRowIsEvenedToItsOwnMedianAndKeepsItsOwnLightness) {
    // The second row, from another height, is darker all through; both flicker.
    const std::vector<double> gains = {1.04, 0.96, 1.0, 1.03, 0.97, 0.85, 0.89, 0.82, 0.87, 0.84};
    load(std::vector<Move>(gains.size()), gains);
    project.rows = 2;
    const SeriesResult r = evenLightness(project);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message.rfind("8 photos evened out; largest change ", 0), 0u) << r.message;
    const double first = frameMean(2), second = frameMean(5);  // each row's median photo
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(frameMean(i) / first, 1.0, 0.005) << "photo " << i + 1;
    for (int i = 5; i < 10; ++i)
        EXPECT_NEAR(frameMean(i) / second, 1.0, 0.005) << "photo " << i + 1;
    EXPECT_LT(second / first, 0.9);
    EXPECT_EQ(project.photoAt(2)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(project.photoAt(5)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
}

TEST_F(SeriesAdjust, ALookKeptForTheNextAdjustmentGivesTheSameAndIsTakenAgainOncePhotosChange) {
    const std::vector<double> gains = {1.05, 0.95, 1.0,  1.03, 0.97, 1.06,
                                       0.94, 1.02, 0.98, 1.01, 0.99, 1.04};
    load(wobble(12), gains);
    const SeriesResult centred = autoCentre(project), lit = evenLightness(project);
    ASSERT_TRUE(centred.undo.valid && lit.undo.valid) << centred.message << lit.message;
    const std::vector<Move> expected = pans();
    std::vector<double> offsets;
    for (int i = 0; i < 12; ++i) offsets.push_back(project.photoAt(i)->lightnessOffset);
    const std::array<double, 3> balance = project.photoAt(0)->balance;
    ASSERT_TRUE(undoSeries(project, lit.undo) && undoSeries(project, centred.undo));

    SeriesLook look;
    EXPECT_FALSE(look.holds(project));
    EXPECT_EQ(autoCentre(project, {}, &look).message, centred.message);
    EXPECT_TRUE(look.holds(project));
    EXPECT_EQ(evenLightness(project, {}, &look).message, lit.message);
    const std::vector<Move> again = pans();
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(again[i].x == expected[i].x && again[i].y == expected[i].y) << "photo " << i;
        EXPECT_EQ(project.photoAt(i)->lightnessOffset, offsets[i]) << "photo " << i;
    }
    EXPECT_EQ(project.photoAt(0)->balance, balance);

    // Another photo in its place is looked at anew.
    RasterImage filled;
    filled.create(kW, kH, 24);
    filled.fill(packColour(60, 90, 170));
    project.replacePhoto(6, std::make_unique<Photo>(std::move(filled), "filled.jpg"));
    EXPECT_FALSE(look.holds(project));
    const SeriesResult r = evenLightness(project, {}, &look);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("photo 7 (filled.jpg)"), std::string::npos) << r.message;
}

TEST_F(SeriesAdjust, EvenPhotosKeepTheirLightness) {
    load(std::vector<Move>(8));
    project.photoAt(1)->panX = 3;  // centring is another matter
    const SeriesResult r = evenLightness(project);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.message, "The photos are already evenly lit; nothing was changed.");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(project.photoAt(i)->lightnessOffset, 0.0);
        EXPECT_EQ(project.photoAt(i)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
    }
    EXPECT_EQ(project.photoAt(1)->panX, 3);
}

}  // namespace
}  // namespace turnpixa
