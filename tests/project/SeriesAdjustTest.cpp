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
    ProcessingSettings s = project.settings();
    s.quick = false;
    auto meanOf = [&](int i) {
        const RasterImage frame = render(*project.photoAt(i), s);
        double sum = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width() * 3; ++x) sum += frame.rowData(y)[x];
        return sum / (frame.width() * 3.0 * frame.height());
    };
    const double reference = meanOf(2);  // the photo of gain 1, the median
    for (int i = 0; i < static_cast<int>(gains.size()); ++i)
        EXPECT_NEAR(meanOf(i) / reference, 1.0, 0.005) << "photo " << i + 1;

    ASSERT_TRUE(undoSeries(project, r.undo));
    EXPECT_EQ(project.photoAt(0)->balance, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(project.photoAt(0)->lightnessOffset, 0.0);
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
