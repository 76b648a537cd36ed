#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "project/Project.h"
#include "project/ProjectFrames.h"
#include "tests/support/ImageCompare.h"

namespace turnpixa {
namespace {

// Records what the project asks of its host; can run a hook while "events"
// are processed, as a user acting during a pass would.
class RecordingHost : public ProjectHost {
public:
    void restartPreRenderTimer() override { ++timerRestarts; }
    void processPendingEvents() override {
        ++eventRounds;
        if (duringEvents) duringEvents();
    }
    void postPhotoAdded(int number, Photo* photo) override {
        added.push_back(number);
        addedPhotos.push_back(photo);
    }
    void postRefreshCurrentFrame() override { ++refreshes; }

    int timerRestarts = 0;
    int eventRounds = 0;
    int refreshes = 0;
    std::vector<int> added;
    std::vector<Photo*> addedPhotos;
    std::function<void()> duringEvents;
};

RasterImage solidImage(int w, int h, PackedColour c) {
    return test::makeImage(w, h, [c](int, int) { return c; });
}

class ProjectTest : public ::testing::Test {
protected:
    void SetUp() override { project.setHost(&host); }

    void addPhotos(int n, int w = 60, int h = 40) {
        for (int i = 0; i < n; ++i) {
            project.addPhotoFromImage(solidImage(w, h, packColour(10 * i, 100, 200)));
        }
    }

    RecordingHost host;
    Project project;
};

TEST_F(ProjectTest, PhotosWithoutAFileAreNamedByTheirNumber) {
    addPhotos(2);
    ASSERT_EQ(project.photoCount(), 2);
    EXPECT_EQ(project.photoAt(0)->name(), "Image001");
    EXPECT_EQ(project.photoAt(1)->name(), "Image002");
    EXPECT_EQ(host.added, (std::vector<int>{1, 2}));
    EXPECT_EQ(host.addedPhotos[1], project.photoAt(1));
    EXPECT_EQ(project.photoAt(2), nullptr);
    EXPECT_EQ(project.photoAt(-1), nullptr);
}

TEST_F(ProjectTest, RemoveAndReplaceStayInsideTheList) {
    addPhotos(3);
    Photo* second = project.photoAt(1);
    EXPECT_EQ(project.removePhoto(3), nullptr);
    std::unique_ptr<Photo> removed = project.removePhoto(0);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(project.photoCount(), 2);
    EXPECT_EQ(project.photoAt(0), second);

    std::unique_ptr<Photo> back = project.replacePhoto(5, std::move(removed));
    ASSERT_NE(back, nullptr) << "an index outside the list hands the photo back";
    std::unique_ptr<Photo> old = project.replacePhoto(0, std::move(back));
    EXPECT_EQ(old.get(), second);
    EXPECT_EQ(project.photoCount(), 2);
}

TEST_F(ProjectTest, MovingAPhotoRotatesTheStretchBetween) {
    addPhotos(6);
    std::vector<Photo*> before;
    for (int i = 0; i < 6; ++i) before.push_back(project.photoAt(i));
    ASSERT_TRUE(project.movePhoto(0, 4));  // first photo onto the fifth place
    const std::vector<Photo*> expected = {before[1], before[2], before[3],
                                          before[4], before[0], before[5]};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(project.photoAt(i), expected[i]) << i;
    ASSERT_TRUE(project.movePhoto(4, 0));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(project.photoAt(i), before[i]) << i;
    EXPECT_FALSE(project.movePhoto(0, 6));
}

TEST(ProjectPreRender, VisitsCurrentThenAlternatelyBeforeAndAfter) {
    EXPECT_EQ(Project::preRenderOrder(6, 3), (std::vector<int>{2, 1, 3, 0, 4, 5}));
    EXPECT_EQ(Project::preRenderOrder(5, 1), (std::vector<int>{0, 4, 1, 3, 2}));
    EXPECT_EQ(Project::preRenderOrder(1, 1), (std::vector<int>{0}));
    // No current photo: starts one before the first, that is at the last.
    EXPECT_EQ(Project::preRenderOrder(3, 0), (std::vector<int>{2, 1, 0}));
}

TEST_F(ProjectTest, SchedulingStopsAPassAndRestartsTheTimerUnlessImporting) {
    project.schedulePreRender();
    EXPECT_TRUE(project.stopPreRender);
    EXPECT_EQ(host.timerRestarts, 1);
    project.importing = true;
    project.schedulePreRender();
    EXPECT_EQ(host.timerRestarts, 1);
    EXPECT_TRUE(project.stopPreRender);
}

TEST_F(ProjectTest, PassRendersOthersAndAsksThePageForTheCurrentOne) {
    addPhotos(4);
    project.settings().outputWidth = 30;
    project.settings().outputHeight = 20;
    project.currentImage = 2;
    project.runPreRenderPass();
    EXPECT_EQ(host.refreshes, 1);
    for (int i = 0; i < 4; ++i) {
        const Photo* photo = project.photoAt(i);
        if (i == 1) {
            EXPECT_EQ(photo->cachedOutput(), nullptr) << "the page renders the current photo";
        } else {
            ASSERT_NE(photo->cachedOutput(), nullptr) << i;
            EXPECT_EQ(photo->cachedOutput()->width(), 30);
            EXPECT_TRUE(photo->cachedSettings() == project.settings());
        }
    }
    // A second pass finds the other photos fresh and renders nothing again.
    const RasterImage* first = project.photoAt(0)->cachedOutput();
    project.runPreRenderPass();
    EXPECT_EQ(project.photoAt(0)->cachedOutput(), first);
}

TEST_F(ProjectTest, ASettingsChangeDuringAPassStopsItAtTheNextPhoto) {
    addPhotos(6);
    project.settings().outputWidth = 24;
    project.settings().outputHeight = 16;
    project.currentImage = 3;
    int rounds = 0;
    host.duringEvents = [&] {
        // The user moves a slider after the second photo of the pass.
        if (++rounds == 3) {
            project.settings().lightness = 1.5;
            project.schedulePreRender();
        }
    };
    project.runPreRenderPass();
    // Visited: index 2 (current, refresh), index 1 (rendered); then stopped.
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_NE(project.photoAt(1)->cachedOutput(), nullptr);
    for (int i : {3, 0, 4, 5}) EXPECT_EQ(project.photoAt(i)->cachedOutput(), nullptr) << i;
    EXPECT_EQ(host.timerRestarts, 1) << "a fresh pass is scheduled";
}

TEST_F(ProjectTest, LogoStaleForcesOnlyThatPhotoToRenderAgain) {
    addPhotos(3);
    project.settings().outputWidth = 20;
    project.settings().outputHeight = 10;
    const RasterImage* a = project.processedOutputImage(0, project.settings());
    const RasterImage* b = project.processedOutputImage(1, project.settings());
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(project.processedOutputImage(0, project.settings()), a) << "cache reused";

    project.photoAt(1)->cachedSettings().logoStale = true;
    const RasterImage* b2 = project.processedOutputImage(1, project.settings());
    EXPECT_FALSE(project.photoAt(1)->cachedSettings().logoStale);
    EXPECT_EQ(project.processedOutputImage(0, project.settings()), a);
    ASSERT_NE(b2, nullptr);

    // The start image is part of the settings: changing it makes all stale.
    ProcessingSettings moved = project.settings();
    moved.startImage = 2;
    EXPECT_FALSE(project.photoAt(0)->cachedSettings() == moved);
    EXPECT_FALSE(project.photoAt(1)->cachedSettings() == moved);
}

TEST_F(ProjectTest, MarkingAllLogoStaleSchedulesAPreRender) {
    addPhotos(2);
    project.settings().outputWidth = 20;
    project.settings().outputHeight = 10;
    project.processedOutputImage(0, project.settings());
    project.markAllPhotosLogoStale();
    EXPECT_TRUE(project.photoAt(0)->cachedSettings().logoStale);
    EXPECT_TRUE(project.photoAt(1)->cachedSettings().logoStale);
    EXPECT_EQ(host.timerRestarts, 1);
}

TEST_F(ProjectTest, OutputSizeFollowsTheCurrentPhotosAspect) {
    addPhotos(1, 600, 400);  // 3 : 2 landscape
    project.currentImage = 1;
    project.deriveOutputSizeFromWidth(0);
    EXPECT_EQ(project.settings().outputWidth, 400);
    EXPECT_EQ(project.settings().outputHeight, 267);

    project.settings().setRotation(1);
    project.deriveOutputSizeFromWidth(400);
    EXPECT_EQ(project.settings().outputWidth, 600) << "pre-rotation frame";
    EXPECT_EQ(project.settings().outputHeight, 400);

    project.settings().setRotation(0);
    project.deriveOutputSizeFromHeight(300);
    EXPECT_EQ(project.settings().outputWidth, 450);
    EXPECT_EQ(project.settings().outputHeight, 300);

    project.settings().cropOn = true;
    project.settings().crop = Rect{0, 0, 100, 100};
    project.deriveOutputSizeFromWidth(250);
    EXPECT_EQ(project.settings().outputWidth, 250);
    EXPECT_EQ(project.settings().outputHeight, 250);
}

TEST_F(ProjectTest, OutputSizeRoundsHalvesUp) {
    addPhotos(1, 8, 3);  // 400 * 3 / 8 = 150 exactly; 401 * 3 / 8 = 150.375
    project.currentImage = 1;
    project.deriveOutputSizeFromWidth(4);  // 1.5 -> 2
    EXPECT_EQ(project.settings().outputHeight, 2);
    project.deriveOutputSizeFromWidth(401);
    EXPECT_EQ(project.settings().outputHeight, 150);
}

TEST_F(ProjectTest, AFileNoReaderTakesIsNotAddedAndSaysWhy) {
    std::string reason;
    EXPECT_EQ(project.addPhotoFromFile("/nonexistent/photo.jpg", &reason), nullptr);
    EXPECT_EQ(project.photoCount(), 0);
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(host.added.empty());
}

TEST_F(ProjectTest, FramesRunFromTheStartImageWithTheirLogoPlaceAndLabel) {
    addPhotos(4, 20, 10);
    project.settings().outputWidth = 8;
    project.settings().outputHeight = 4;
    project.setStartImage(3);
    project.reverseSpin = true;
    ProjectFrames frames(project);
    ASSERT_EQ(frames.frameCount(), 4);
    // Spin order 3, 2, 1, 4: position 1 is photo 2.
    const RasterImage* frame = frames.frameAt(1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame, project.photoAt(1)->cachedOutput());
    EXPECT_EQ(test::pixelAt(*frame, 4, 2), packColour(10, 100, 200));
    EXPECT_EQ(frames.frameLabel(3), "photo 4 (Image004)");
    EXPECT_EQ(frames.frameAt(4), nullptr);
    EXPECT_EQ(frames.frameAt(-1), nullptr);

    // The page's size is the first photo's last render, as shown.
    ASSERT_NE(frames.frameAt(2), nullptr);
    project.settings().setRotation(1);
    EXPECT_EQ(frames.shownSize(), (FrameSize{8, 4}));
    ASSERT_NE(frames.frameAt(2), nullptr);
    EXPECT_EQ(frames.shownSize(), (FrameSize{4, 8}));
}

}  // namespace
}  // namespace turnpixa
