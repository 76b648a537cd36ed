#include <gtest/gtest.h>

#include "process/ProcessingSettings.h"

namespace turnpixa {
namespace {

TEST(ProcessingSettings, SetRotationWrapsIntoQuarterTurns) {
    ProcessingSettings s;
    s.setRotation(-1);
    EXPECT_EQ(s.rotation, 3);
    s.setRotation(5);
    EXPECT_EQ(s.rotation, 1);
    s.setRotation(-8);
    EXPECT_EQ(s.rotation, 0);
    s.setRotation(2 + 3);  // "Right 90" from 2, then modulo
    EXPECT_EQ(s.rotation, 1);
}

TEST(ProcessingSettings, EveryComparedFieldBreaksEquality) {
    const ProcessingSettings base;
    auto differs = [&](auto change) {
        ProcessingSettings other = base;
        change(other);
        return !(other == base);
    };
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.outputWidth = 401; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.outputHeight = 1; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.cropOn = true; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.rotation = 1; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.lightness = 1.0000001; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.frameWidth = 3; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.frameColour = kBlack; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.startImage = 2; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.quick = true; }));
    EXPECT_TRUE(differs([](ProcessingSettings& s) { s.removalOn = true; }));
}

TEST(ProcessingSettings, LogoStaleIsNeverCompared) {
    ProcessingSettings a, b;
    b.logoStale = true;
    EXPECT_TRUE(a == b);
}

TEST(ProcessingSettings, CropCountsOnlyWhileCropIsOn) {
    ProcessingSettings a, b;
    b.crop = Rect{1, 2, 30, 40};
    EXPECT_TRUE(a == b);
    a.cropOn = b.cropOn = true;
    EXPECT_FALSE(a == b);
    a.crop = b.crop;
    EXPECT_TRUE(a == b);
}

TEST(ProcessingSettings, StrengthAndReplacementCountOnlyWhileRemovalIsOn) {
    ProcessingSettings a, b;
    b.removalStrength = 120;
    b.replacementColour = packColour(0, 128, 0);
    EXPECT_TRUE(a == b);
    a.removalOn = b.removalOn = true;
    EXPECT_FALSE(a == b);
    b.removalStrength = a.removalStrength;
    EXPECT_FALSE(a == b);  // the colour still differs
    b.replacementColour = a.replacementColour;
    EXPECT_TRUE(a == b);
}

TEST(ProcessingSettings, AQuarterTurnExchangesTheShownSize) {
    ProcessingSettings s;
    s.outputWidth = 40;
    s.outputHeight = 30;
    for (int rotation : {0, 1, 2, 3}) {
        s.setRotation(rotation);
        const FrameSize expected = rotation % 2 ? FrameSize{30, 40} : FrameSize{40, 30};
        EXPECT_EQ(s.shownSize(), expected) << rotation;
        ProcessingSettings t = s;
        t.setShownSize(expected);
        EXPECT_EQ(t.outputWidth, 40) << rotation;
        EXPECT_EQ(t.outputHeight, 30) << rotation;
    }
}

}  // namespace
}  // namespace turnpixa
