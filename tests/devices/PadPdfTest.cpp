#include <gtest/gtest.h>

#include <QPageSize>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "devices/PadPrinter.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace turnpixa {
namespace {

struct Gray {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    int at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// pdftoppm -pgm output: "P5\n<w> <h>\n255\n" then the bytes.
bool readPgm(const std::string& path, Gray& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> image.width >> image.height >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255 || image.width <= 0 || image.height <= 0) return false;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    in.read(reinterpret_cast<char*>(image.pixels.data()),
            static_cast<std::streamsize>(image.pixels.size()));
    return static_cast<size_t>(in.gcount()) == image.pixels.size();
}

// A hairline may miss the exact pixel: look at its neighbours too.
int darkestNear(const Gray& g, int x, int y) {
    int v = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) v = std::min(v, g.at(x + dx, y + dy));
    return v;
}

// Crossings of drawn lines walking out from the centre at an angle that
// lies between two photo lines: their distances and darkest values.
struct Crossing {
    double distance;
    int darkest;
};

std::vector<Crossing> crossingsAlong(const Gray& g, double degrees) {
    const double a = degrees * M_PI / 180.0;
    const double cx = g.width / 2.0, cy = g.height / 2.0;
    std::vector<Crossing> found;
    int runStart = -1, darkest = 255;
    for (int r = 40; r < std::min(g.width, g.height) / 2; ++r) {
        const int x = static_cast<int>(std::lround(cx + std::sin(a) * r));
        const int y = static_cast<int>(std::lround(cy + std::cos(a) * r));
        const int v = darkestNear(g, x, y);
        if (v < 250) {
            if (runStart < 0) runStart = r, darkest = 255;
            darkest = std::min(darkest, v);
        } else if (runStart >= 0) {
            found.push_back({(runStart + r - 1) / 2.0, darkest});
            runStart = -1;
        }
    }
    return found;
}

TEST(PadPdf, A4PageTitledTurnPixaWithCirclesOneCentimetreApart) {
    if (test::runCommand("command -v pdfinfo pdftoppm").output.empty())
        GTEST_SKIP() << "poppler-utils missing";
    test::TempDir dir;
    const std::string pdf = dir.file("pad.pdf");
    QString reason;
    ASSERT_TRUE(writePadPdf(QString::fromStdString(pdf), QPageSize(QPageSize::A4), 18, reason))
        << reason.toStdString();

    const std::string info = test::runCommand("pdfinfo '" + pdf + "'").output;
    EXPECT_NE(info.find("Title:           TurnPixa"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;

    // 254 dpi: one pixel is 0.1 mm, so the circles sit 100 px apart.
    test::runCommand("pdftoppm -r 254 -gray -aa no -aaVector no '" + pdf + "' '" +
                     dir.file("page") + "'");
    Gray page;
    ASSERT_TRUE(readPgm(dir.file("page-1.pgm"), page));
    EXPECT_NEAR(page.width, 2100, 1);
    EXPECT_NEAR(page.height, 2970, 2);
    // 10 degrees lies halfway between line 0 and line 1 of 18.
    const std::vector<Crossing> rings = crossingsAlong(page, 10.0);
    ASSERT_EQ(rings.size(), 10u);
    for (size_t i = 0; i < rings.size(); ++i) {
        EXPECT_NEAR(rings[i].distance, 100.0 * (i + 1), 2.0) << i;
        const bool dark = i % 4 == 0;
        EXPECT_NEAR(rings[i].darkest, dark ? 128 : 192, 8) << i;
    }
    // Straight down runs line 0 (dark), 20 degrees line 1 (light).
    const int cx = page.width / 2, cy = page.height / 2;
    EXPECT_NEAR(darkestNear(page, cx, cy + 1030), 128, 8);
    EXPECT_NEAR(darkestNear(page, cx + static_cast<int>(std::lround(std::sin(M_PI / 9) * 1030)),
                            cy + static_cast<int>(std::lround(std::cos(M_PI / 9) * 1030))),
                192, 8);
}

TEST(PadPdf, PaperByNameAndUnknownNames) {
    QPageSize size;
    ASSERT_TRUE(pageSizeFromName(QStringLiteral("letter"), size));
    EXPECT_EQ(size.id(), QPageSize::Letter);
    ASSERT_TRUE(pageSizeFromName(QStringLiteral("A5"), size));
    EXPECT_EQ(size.id(), QPageSize::A5);
    EXPECT_FALSE(pageSizeFromName(QStringLiteral("A4x"), size));
    EXPECT_FALSE(pageSizeFromName(QString(), size));
}

TEST(PadPdf, UnwritableFileFailsWithAReason) {
    QString reason;
    EXPECT_FALSE(writePadPdf(QStringLiteral("/nonexistent-folder/pad.pdf"),
                             QPageSize(QPageSize::A4), 18, reason));
    EXPECT_FALSE(reason.isEmpty());
}

}  // namespace
}  // namespace turnpixa
