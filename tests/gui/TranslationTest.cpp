#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include "TranslationFiles.h"
#include "app/WizardLanguage.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

namespace {

// The placeholders a text fills in, "%L1" counted as "%1".
QSet<QString> placeholders(const QString& text) {
    QSet<QString> out;
    static const QRegularExpression marker(QStringLiteral("%L?(\\d)"));
    for (auto it = marker.globalMatch(text); it.hasNext();)
        out.insert(QStringLiteral("%") + it.next().captured(1));
    return out;
}

// A lone "&" makes the next letter a keyboard shortcut instead of showing.
bool hasLoneAmpersand(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("(^|[^&])&([^&]|$)")));
}

}  // namespace

TEST(WizardLanguage, ChosenFromTheLocaleVariablesAsTheInstallerChoosesItsOwn) {
    // The first variable that is set and not empty decides, even when its
    // language has no translation.
    EXPECT_EQ(wizardLanguageFromEnvironment("de_DE.UTF-8", "fr_FR.UTF-8", "it_IT"), "de");
    EXPECT_EQ(wizardLanguageFromEnvironment(nullptr, "fr_FR.UTF-8", "it_IT"), "fr");
    EXPECT_EQ(wizardLanguageFromEnvironment("", "", "it_IT.UTF-8"), "it");
    EXPECT_EQ(wizardLanguageFromEnvironment("C", "de_DE", "de_DE"), "");
    EXPECT_EQ(wizardLanguageFromEnvironment("en_GB.UTF-8", nullptr, "ru_RU.UTF-8"), "");
    EXPECT_EQ(wizardLanguageFromEnvironment(nullptr, nullptr, nullptr), "");
    // The language part ends at the territory, the code set or the modifier.
    EXPECT_EQ(wizardLanguageForLocale("es"), "es");
    EXPECT_EQ(wizardLanguageForLocale("es_MX"), "es");
    EXPECT_EQ(wizardLanguageForLocale("de.ISO-8859-1"), "de");
    EXPECT_EQ(wizardLanguageForLocale("fr@euro"), "fr");
    EXPECT_EQ(wizardLanguageForLocale("frr_DE"), "");
    EXPECT_EQ(wizardLanguageForLocale("pt_BR"), "");
    EXPECT_EQ(wizardLanguageForLocale("POSIX"), "");
    // Russian for the languages the installer reads Russian for.
    for (const char* slavic : {"cs_CZ", "pl_PL.UTF-8", "ru_RU", "uk_UA", "be_BY"})
        EXPECT_EQ(wizardLanguageForLocale(slavic), "ru") << slavic;
    EXPECT_EQ(wizardLanguageForLocale("sk_SK"), "");
}

// lupdate over the wizard's sources into a copy of each translation file
// finds no text without a translation and none that the sources no longer
// have: the files are complete for the code as it is.
TEST(Translations, EveryTextOfTheSourcesIsTranslatedInEveryLanguage) {
    TempDir dir;
    const QString root = QStringLiteral(TURNPIXA_SOURCE_DIR);
    for (const char* code : kWizardLanguages) {
        const QString copy =
            QString::fromStdString(dir.file(std::string("turnpixa_") + code + ".ts"));
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(sourceTsFile(code), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.setWorkingDirectory(root);
        lupdate.start(QStringLiteral(TURNPIXA_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("app"), QStringLiteral("devices"),
                       QStringLiteral("net"), QStringLiteral("web"), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(60000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        const std::vector<TsMessage> messages = readTsFile(copy);
        EXPECT_GT(messages.size(), 150u) << code;
        EXPECT_EQ(messages.size(), readTsFile(sourceTsFile(code)).size()) << code;
        for (const TsMessage& m : messages) {
            EXPECT_TRUE(m.type.isEmpty() && !m.translation.isEmpty())
                << code << ": " << m.type.toStdString() << " " << m.context.toStdString() << " \""
                << m.source.toStdString() << "\"";
        }
    }
}

// The files compiled into the program give each text its translation, with
// the same placeholders, and no ampersand that would turn into a shortcut.
TEST(Translations, TheBuiltInFilesTranslateEveryTextWithItsPlaceholders) {
    for (const char* code : kWizardLanguages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/turnpixa_%1.qm").arg(code))) << code;
        const std::vector<TsMessage> messages = readTsFile(sourceTsFile(code));
        ASSERT_FALSE(messages.empty()) << code;
        int different = 0;
        for (const TsMessage& m : messages) {
            const QString shown =
                translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
            const std::string where = std::string(code) + ": \"" + m.source.toStdString() + "\"";
            EXPECT_FALSE(shown.isEmpty()) << where;
            EXPECT_EQ(shown, m.translation) << where;
            EXPECT_EQ(placeholders(shown), placeholders(m.source)) << where;
            EXPECT_EQ(hasLoneAmpersand(shown), hasLoneAmpersand(m.source)) << where;
            if (shown != m.source) ++different;
        }
        // Most texts read differently from the English (names and file
        // patterns may not).
        EXPECT_GT(different, static_cast<int>(messages.size()) * 4 / 5) << code;
    }
}

TEST(Translations, ALanguageIsTakenInAndGivenBackWhole) {
    const char* context = "turnpixa::CTurnPixaDlg";
    ASSERT_TRUE(useWizardLanguage(QStringLiteral("de")));
    EXPECT_EQ(currentWizardLanguage(), "de");
    EXPECT_EQ(QCoreApplication::translate(context, "Finish"), "Fertigstellen");
    // Qt's own buttons speak German too when the system has Qt's German.
    const QString qtGerman = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
    if (QFile::exists(qtGerman)) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }

    // Another language replaces the first; one without a translation fails
    // and leaves English.
    ASSERT_TRUE(useWizardLanguage(QStringLiteral("ru")));
    EXPECT_EQ(QCoreApplication::translate(context, "Finish"), "Готово");
    EXPECT_FALSE(useWizardLanguage(QStringLiteral("pt")));
    EXPECT_EQ(QCoreApplication::translate(context, "Finish"), "Finish");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_EQ(currentWizardLanguage(), "");
    ASSERT_TRUE(useWizardLanguage(QString()));
}

}  // namespace turnpixa::test
