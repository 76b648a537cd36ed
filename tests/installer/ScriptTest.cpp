// The install script, macros, command line and message table.
#include <gtest/gtest.h>

#include "installer/CommandLine.h"
#include "installer/Macros.h"
#include "installer/MessageTable.h"
#include "installer/Script.h"
#include "installer/TextEncoding.h"

namespace turnpixa::setup {
namespace {

const char* kLf =
    "; remark\n[Project Name]\nTurnPixa\n\n[CopyFile]\n[Action]\n<Destination>\\a.txt\n"
    "[CreateIcon]\nt\ns\n\nOptional - Make it\n";

TEST(Script, LfAndCrLfScriptsReadAlikeAndOperandsAreTakenAsTheyCome) {
    std::string crlf;
    for (char c : std::string(kLf)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::vector<ScriptCommand> lf, dos;
    std::string reason;
    ASSERT_TRUE(parseScript(kLf, lf, reason)) << reason;
    ASSERT_TRUE(parseScript(crlf, dos, reason)) << reason;
    ASSERT_EQ(lf.size(), 3u);
    ASSERT_EQ(dos.size(), 3u);
    for (std::size_t i = 0; i < lf.size(); ++i) EXPECT_EQ(lf[i].operands, dos[i].operands);
    EXPECT_EQ(lf[1].keyword, Keyword::CopyFile);
    EXPECT_EQ(lf[1].operands[0], "[Action]");  // an operand, not a keyword
    EXPECT_EQ(lf[2].operands[2], "");
    std::string caption;
    EXPECT_TRUE(isOptional(lf[2].operands[3], &caption));
    EXPECT_EQ(caption, "Make it");
    EXPECT_FALSE(isOptional("Optional -", nullptr));
}

TEST(Script, OverlongOrCutOffSectionsAreRefusedNotMisread) {
    std::vector<ScriptCommand> c;
    std::string reason;
    // Cut at 260 and read on, the tail would have become a keyword line.
    const std::string longLine = std::string(260, 'x') + "[NoTestAdmin]";
    EXPECT_FALSE(parseScript("[Action]\n" + longLine + "\n", c, reason));
    EXPECT_NE(reason.find("line 2"), std::string::npos);
    EXPECT_TRUE(parseScript("[Action]\n" + std::string(260, 'x') + "\n", c, reason));
    EXPECT_FALSE(parseScript("[Registry]\nHKCU\nKey\n", c, reason));
    EXPECT_FALSE(parseScript(std::string("[Action]\nA\0B\n", 12), c, reason));
    // Keywords are whole lines, compared exactly.
    ASSERT_TRUE(parseScript("[action]\nx\n [Action]\n[Action] \n", c, reason));
    EXPECT_TRUE(c.empty());
}

TEST(Script, KeywordTableGivesEveryKeywordItsOperands) {
    for (const auto& k : keywordTable()) {
        std::string text = std::string(k.text) + "\n";
        for (int i = 0; i < k.operandCount; ++i) text += "op" + std::to_string(i) + "\n";
        std::vector<ScriptCommand> c;
        std::string reason;
        ASSERT_TRUE(parseScript(text, c, reason)) << k.text;
        ASSERT_EQ(c.size(), 1u) << k.text;
        EXPECT_EQ(static_cast<int>(c[0].operands.size()), k.operandCount) << k.text;
    }
}

TEST(Text, Windows1252ScriptsAreReadAsUtf8) {
    EXPECT_EQ(textAsUtf8("Caf\xE9 \x80"), "Café €");
    EXPECT_EQ(textAsUtf8("Café"), "Café");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}

TEST(Macros, ExpandInOrderWithSingleSeparators) {
    MacroValues v;
    v.programFiles = "\\home\\u\\.local\\opt\\";
    v.destination = "\\home\\u\\.local\\opt\\TurnPixa\\";
    v.language = "Deutsch";
    EXPECT_EQ(expandMacros("<Program Files>\\TurnPixa", v), "\\home\\u\\.local\\opt\\TurnPixa");
    EXPECT_EQ(expandMacros("<Destination>\\a\\<Destination>\\b", v),
              "\\home\\u\\.local\\opt\\TurnPixa\\a\\home\\u\\.local\\opt\\TurnPixa\\b");
    EXPECT_EQ(expandMacros("\\\\server\\\\share", v), "\\\\server\\share");
    EXPECT_EQ(expandMacros("<Language>.txt", v), "Deutsch.txt");
    EXPECT_EQ(expandMacros("\\\\", v), "\\\\");
}

TEST(CommandLine, TokensAreTakenAsNamedAndTheDestinationVerbatim) {
    auto c = parseCommandLine({"--installto", " /tmp/my --silent dir "});
    EXPECT_EQ(c.mode, Mode::Install);
    EXPECT_FALSE(c.silent);  // inside the destination it is no token
    EXPECT_EQ(c.installTo, "/tmp/my --silent dir");
    c = parseCommandLine({"<Silent>", "<installto>/opt/x"});
    EXPECT_TRUE(c.silent);
    EXPECT_EQ(c.installTo, "/opt/x");
    c = parseCommandLine({"--silent", "--installto=/a b"});
    EXPECT_EQ(c.installTo, "/a b");
    EXPECT_EQ(parseCommandLine({"--silent", "--installto"}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"--silently"}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"--installtox"}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"-h"}).mode, Mode::Help);
}

TEST(CommandLine, PackingNeedsBothQuotedPaths) {
    auto c = parseCommandLine({"<packthis>\"/a/b c.txt\"", "<packto>\"/p/setup\""});
    EXPECT_EQ(c.mode, Mode::Pack);
    EXPECT_EQ(c.packSource, "/a/b c.txt");
    EXPECT_EQ(c.packTarget, "/p/setup");
    // Without its closing quote the source would swallow the <packto> token.
    EXPECT_EQ(parseCommandLine({"<packthis>\"/a", "<packto>\"/p\""}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"<packthis>\"/a\"", "<packto>\"/p"}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"<packthis>", "\"/a\"", "<packto>\"/p\""}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"<packthis>\"/a\""}).mode, Mode::Unusable);
    EXPECT_EQ(parseCommandLine({"<uninstall>/x <packthis>"}).mode, Mode::Uninstall);
}

TEST(MessageTable, SixLanguagesOfTwentyNineMessages) {
    EXPECT_EQ(message(14, 0),
              "This installation file appears to be corrupted, please obtain a new copy. Continue "
              "with the installation? (Not recommended)");
    EXPECT_EQ(message(7, 2), "Ändern");
    EXPECT_EQ(message(5, 3), "Готово");
    EXPECT_EQ(message(28, 3), "Select Installation Folder...");
    EXPECT_EQ(message(29, 0), "");
    EXPECT_STREQ(languageName(3), "Русский");
    for (int l = 0; l < kLanguageCount; ++l)
        for (int n = 0; n < kMessageCount; ++n) {
            EXPECT_FALSE(message(n, l).empty());
            EXPECT_TRUE(isValidUtf8(message(n, l)));
        }
    EXPECT_EQ(languageForLocale("pl_PL.UTF-8"), 3);
    EXPECT_EQ(languageForLocale("cs_CZ"), 3);
    EXPECT_EQ(languageForLocale("de_AT.UTF-8"), 2);
    EXPECT_EQ(languageForLocale("C.UTF-8"), 0);
}

}  // namespace
}  // namespace turnpixa::setup
