#pragma once
#include <QString>
#include <vector>

namespace turnpixa::test {

// One message of a Qt Linguist .ts file.
struct TsMessage {
    QString context, source, translation;
    QString type;  // the translation's type attribute: "", "unfinished", "vanished", "obsolete"
};

// The messages of a .ts file; empty when it cannot be read.
std::vector<TsMessage> readTsFile(const QString& path);
// The translation files in the source tree, turnpixa_<code>.ts.
QString sourceTsFile(const QString& code);
// The translation of source in context in a language's .ts file, "" when none.
QString tsTranslation(const QString& code, const QString& context, const QString& source);

}  // namespace turnpixa::test
