// The pages' rules, without a display.
#include <gtest/gtest.h>

#include "installer/PageRules.h"

namespace turnpixa::setup {
namespace {

TEST(PageRules, LanguageComesFromTheFirstLocaleVariableSet) {
    EXPECT_EQ(languageFromEnvironment("de_DE.UTF-8", "fr_FR", "it_IT"), 2);
    EXPECT_EQ(languageFromEnvironment("", "fr_FR.UTF-8", "it_IT"), 1);
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, "uk_UA.UTF-8"), 3);  // Russian
    EXPECT_EQ(languageFromEnvironment(nullptr, "", "es_ES@euro"), 5);
    EXPECT_EQ(languageFromEnvironment("C", "ru_RU", nullptr), 0);  // LC_ALL=C wins
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, nullptr), 0);
}

TEST(PageRules, ForwardButtonFollowsLanguageAndLicence) {
    const MainPageTexts en = mainPageTexts("TurnPixa", 0, true);
    EXPECT_EQ(en.caption, "TurnPixa Installation");
    EXPECT_EQ(en.forward, "Next >>");
    EXPECT_TRUE(forwardOpensLicence(en.forward, 0));
    const MainPageTexts ru = mainPageTexts("TurnPixa", 3, false);
    EXPECT_EQ(ru.forward, "Установить");
    EXPECT_EQ(ru.change, "изменить");
    EXPECT_FALSE(forwardOpensLicence(ru.forward, 3));
    // Switching language keeps the licence decision.
    EXPECT_TRUE(forwardOpensLicence(mainPageTexts("TurnPixa", 2, true).forward, 2));
    EXPECT_FALSE(forwardOpensLicence(en.forward, 2));
}

TEST(PageRules, ChangeAppendsTheDefaultFoldersName) {
    EXPECT_EQ(changedDestination("/x/Apps", "<Program Files>\\TurnPixa"), "/x/Apps/TurnPixa");
    EXPECT_EQ(changedDestination("/x/Apps/", "<Program Files>\\TurnPixa"), "/x/Apps/TurnPixa");
    EXPECT_EQ(changedDestination("/x/Apps", "TurnPixa"), "/x/Apps");
    std::string text;
    EXPECT_FALSE(acceptDestination("", 0, text));
    EXPECT_EQ(text, "Please indicate a valid installation folder");
    EXPECT_TRUE(acceptDestination("/x", 0, text));
}

TEST(PageRules, SpaceLinesSwitchToMegabytesAbove10000Kb) {
    EXPECT_EQ(freeSpaceLine(51234, 0), "51234 MB Free Disk Space");
    EXPECT_EQ(requiredSpaceLine(10000, 0), "10000 KB Disk Space Required");
    EXPECT_EQ(requiredSpaceLine(10001, 0), "9 MB Disk Space Required");
    EXPECT_EQ(requiredSpaceLine(80000, 3), "78 MB требуется на диске");
}

TEST(PageRules, ProgressMovesOnlyWhileInstallingFiles) {
    int percent = 7;
    EXPECT_EQ(progressStatus({"Creating Icons", 3, 4, true}, percent), "Creating Icons");
    EXPECT_EQ(percent, 7);
    EXPECT_EQ(progressStatus({"Installing TurnPixa", 3, 4, true}, percent),
              "Action: Installing TurnPixa, File 3 of 4");
    EXPECT_EQ(percent, 75);
    EXPECT_EQ(progressStatus({"Installing TurnPixa", 0, 0, true}, percent), "Installing TurnPixa");
}

TEST(PageRules, LabelsAreCutOnCharacterBoundaries) {
    // One unit per character, as a fixed-width font would measure.
    const auto width = [](const std::string& s) {
        int n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    };
    EXPECT_EQ(fitLabel("Запустить", 20, width), "Запустить");
    const std::string cut = fitLabel("Запустить TurnPixa", 8, width);
    EXPECT_EQ(cut, "Запус...");
    EXPECT_EQ(fitLabel("日本語テキスト", 5, width), "日本...");
    EXPECT_EQ(fitLabel("abc", 2, width), "...");
}

}  // namespace
}  // namespace turnpixa::setup
