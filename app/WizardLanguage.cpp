#include "WizardLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>
#include <memory>

namespace turnpixa {

namespace {

// The translators in use; they must outlive every text taken from them.
std::unique_ptr<QTranslator> wizardTranslator;
std::unique_ptr<QTranslator> qtTranslator;
QString languageInUse;

void removeTranslator(std::unique_ptr<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

QString wizardLanguageForLocale(const QString& locale) {
    const qsizetype end = locale.indexOf(QRegularExpression(QStringLiteral("[_.@]")));
    const QString lang = end < 0 ? locale : locale.left(end);
    if (lang == QLatin1String("de")) return QStringLiteral("de");
    if (lang == QLatin1String("es")) return QStringLiteral("es");
    if (lang == QLatin1String("fr")) return QStringLiteral("fr");
    if (lang == QLatin1String("it")) return QStringLiteral("it");
    for (const char* slavic : {"cs", "pl", "ru", "uk", "be"})
        if (lang == QLatin1String(slavic)) return QStringLiteral("ru");
    return {};
}

QString wizardLanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang})
        if (v && *v) return wizardLanguageForLocale(QString::fromLocal8Bit(v));
    return {};
}

QString wizardLanguageFromEnvironment() {
    return wizardLanguageFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                         std::getenv("LANG"));
}

bool useWizardLanguage(const QString& code) {
    removeTranslator(wizardTranslator);
    removeTranslator(qtTranslator);
    languageInUse.clear();
    if (code.isEmpty()) return true;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/turnpixa_%1.qm").arg(code))) return false;
    QCoreApplication::installTranslator(own.get());
    wizardTranslator = std::move(own);
    languageInUse = code;
    // Qt's own texts (the buttons of message boxes, the file dialog) come
    // from the system's Qt translations when they are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator = std::move(qt);
    }
    return true;
}

QString currentWizardLanguage() {
    return languageInUse;
}

}  // namespace turnpixa
