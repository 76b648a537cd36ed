// The windowed installer's page state, without a display.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "installer/MainThreadCalls.h"
#include "installer/PageState.h"

namespace turnpixa::setup {
namespace {

TEST(PageState, LayoutScalesWithTheScreen) {
    EXPECT_EQ(scaleX(411, 96), 411);
    EXPECT_EQ(scaleX(411, 72), 411);   // never smaller than at 96 DPI
    EXPECT_EQ(scaleX(411, 192), 870);  // 192 * (411 * 106 / 100) / 96
    EXPECT_EQ(scaleY(308, 144), 462);
    EXPECT_EQ(dialogX(281), 421);
    EXPECT_EQ(dialogY(215), 349);
}

void fillSample(InstallState& s) {
    s.projectName = "TurnPixa";
    s.programVersion = "1.032";
    s.destination = "\\home\\u\\.local\\opt\\TurnPixa\\";
    s.defaultDestination = "<Program Files>\\TurnPixa";
}

TEST(PageState, MainPageLanguageChangeAndForward) {
    InstallState s;
    fillSample(s);
    MainPageState page(s, true);
    EXPECT_EQ(page.field(), "/home/u/.local/opt/TurnPixa");
    EXPECT_EQ(page.heading(), "Ready to Install TurnPixa 1.032");
    page.setLanguage(3);
    EXPECT_EQ(page.texts().forward, "Продолжить");
    EXPECT_EQ(page.texts().caption, "TurnPixa Установка");

    page.chooseFolder("/x/Apps/");
    EXPECT_EQ(page.field(), "/x/Apps/TurnPixa");
    std::string text;
    EXPECT_EQ(page.forward(s, text), MainPageState::Forward::OpenLicence);
    EXPECT_EQ(s.destination, "\\x\\Apps\\TurnPixa\\");
    EXPECT_EQ(s.language, 3);
    EXPECT_EQ(s.languageName, "Русский");

    // Empty or relative: the page stays with message 19, the state untouched.
    for (const char* field : {"", "   ", "Apps/TurnPixa"}) {
        page.setField(field);
        text.clear();
        EXPECT_EQ(page.forward(s, text), MainPageState::Forward::Stay) << field;
        EXPECT_EQ(text, "Пожалуйста, укажите правильное расположение установочного файла");
    }
    EXPECT_EQ(s.destination, "\\x\\Apps\\TurnPixa\\");

    MainPageState noLicence(s, false);
    noLicence.setField(" /opt/T ");
    EXPECT_EQ(noLicence.forward(s, text), MainPageState::Forward::Install);
    EXPECT_EQ(s.destination, "\\opt\\T\\");
}

TEST(PageState, ProgressTicksFollowTheWorkerAndEndOnce) {
    InstallState s;
    ProgressPageState page(0);
    EXPECT_EQ(page.tick(s), ProgressPageState::Tick::Nothing);
    EXPECT_EQ(page.closeRequested(), ProgressPageState::Close::AskCancel);
    EXPECT_EQ(page.buttonLabel(), "Cancel");
    s.setAction("Installing TurnPixa");
    s.setFile(3, 4);
    EXPECT_EQ(page.tick(s), ProgressPageState::Tick::Updated);
    EXPECT_EQ(page.status(), "Action: Installing TurnPixa, File 3 of 4");
    EXPECT_EQ(page.percent(), 75);
    s.setAction("Registering Dlls");
    s.done = true;
    EXPECT_EQ(page.tick(s), ProgressPageState::Tick::Finished);
    EXPECT_EQ(page.status(), "Installation Completed");
    EXPECT_EQ(page.percent(), 100);
    EXPECT_EQ(page.buttonLabel(), "Finish");
    EXPECT_EQ(page.closeRequested(), ProgressPageState::Close::Close);
    EXPECT_EQ(page.tick(s), ProgressPageState::Tick::Nothing);
    EXPECT_EQ(page.status(), "Installation Completed");
}

TEST(PageState, ProgressCancelledByTheWorkerIsNotCompleted) {
    InstallState s;
    ProgressPageState page(1);
    s.cancel = true;
    s.done = true;
    EXPECT_EQ(page.tick(s), ProgressPageState::Tick::Cancelled);
    EXPECT_FALSE(page.finished());
    EXPECT_EQ(page.cancelQuestion(), "Annuler l'installation ?");
}

TEST(PageState, FinishListTogglesAndReturnsTheCheckedItems) {
    InstallState s;
    EXPECT_FALSE(finishPageNeeded(s));
    s.optionalShortcuts.push_back({"t", "s.lnk", "", "Desktop icon"});
    s.optionalPrograms.push_back({"p", "", "Run TurnPixa now", false});
    s.restartNeeded = true;
    EXPECT_TRUE(finishPageNeeded(s));
    FinishList list(s, 0);
    ASSERT_EQ(list.items().size(), 3u);
    EXPECT_EQ(list.items()[0].label, "Create icon");
    EXPECT_EQ(list.items()[1].value, "Run TurnPixa now");
    EXPECT_EQ(list.items()[2].value, "Complete the installation by rebooting the computer.");
    EXPECT_EQ(list.shortcuts(s).size(), 1u);

    list.moveSelection(-1);
    EXPECT_EQ(list.selected(), 0);
    list.moveSelection(1);
    list.toggleSelected();  // the program
    EXPECT_TRUE(list.programs(s).empty());
    list.moveSelection(5);
    EXPECT_EQ(list.selected(), 1);       // stays inside the list
    EXPECT_FALSE(list.releaseAt(2, 5));  // left of the box
    EXPECT_FALSE(list.releaseAt(2, 19));
    EXPECT_FALSE(list.releaseAt(3, 10));  // no such row
    EXPECT_TRUE(list.releaseAt(2, 18));
    EXPECT_FALSE(list.restart());
    EXPECT_EQ(list.shortcuts(s).size(), 1u);
}

TEST(PageState, FreeSpaceIsReadFromTheNearestExistingFolder) {
    EXPECT_GT(freeMegabytes("/tmp"), 0u);
    EXPECT_EQ(freeMegabytes("/tmp/no/such/folder/yet"), freeMegabytes("/tmp"));
}

// A worker's call runs on the main thread, and the worker waits for it.
TEST(MainThreadCalls, WorkerCallsRunOnTheMainThreadAndWait) {
    std::atomic<int> wakes{0};
    MainThreadCalls calls([&wakes] { ++wakes; });
    const auto mainId = std::this_thread::get_id();
    std::atomic<bool> workerDone{false};
    int answer = 0;
    bool ranOnMain = false;
    std::thread worker([&] {
        for (int i = 1; i <= 3; ++i) {
            EXPECT_TRUE(calls.call([&] {
                ranOnMain = std::this_thread::get_id() == mainId;
                answer = i * 10;
            }));
            EXPECT_EQ(answer, i * 10);  // set before call() returned
        }
        workerDone = true;
    });
    while (!workerDone) calls.runPending();
    worker.join();
    EXPECT_TRUE(ranOnMain);
    EXPECT_GE(wakes.load(), 3);
    // On the main thread a call runs at once.
    bool direct = false;
    EXPECT_TRUE(calls.call([&] { direct = true; }));
    EXPECT_TRUE(direct);
}

// Closing the queue releases a waiting worker without running its call.
TEST(MainThreadCalls, CloseReleasesAWaitingWorker) {
    std::atomic<int> wakes{0};
    MainThreadCalls calls([&wakes] { ++wakes; });
    bool ran = false;
    bool result = true;
    std::thread worker([&] { result = calls.call([&] { ran = true; }); });
    while (wakes == 0) std::this_thread::yield();
    calls.close();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);
    // Later calls from a worker return at once.
    std::thread late([&] { result = calls.call([&] { ran = true; }); });
    late.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace turnpixa::setup
