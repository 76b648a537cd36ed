#include "TranslationFiles.h"

#include <QFile>
#include <QXmlStreamReader>

namespace turnpixa::test {

namespace {

// The text of the element just opened: Linguist writes characters XML
// cannot hold as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            case QXmlStreamReader::StartElement:
                ++depth;
                if (xml.name() == QLatin1String("byte")) {
                    // "xd" is hexadecimal, a plain number decimal.
                    const QStringView value = xml.attributes().value(QLatin1String("value"));
                    text +=
                        QChar(value.startsWith(QLatin1Char('x')) ? value.mid(1).toUInt(nullptr, 16)
                                                                 : value.toUInt());
                }
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            default:
                break;
        }
    }
    return text;
}

}  // namespace

std::vector<TsMessage> readTsFile(const QString& path) {
    std::vector<TsMessage> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = elementText(xml);
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m;
            m.context = context;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("message")) &&
                   !xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement()) continue;
                if (xml.name() == QLatin1String("source")) {
                    m.source = elementText(xml);
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = elementText(xml);
                }
            }
            out.push_back(m);
        }
    }
    if (xml.hasError()) out.clear();
    return out;
}

QString sourceTsFile(const QString& code) {
    return QStringLiteral(TURNPIXA_SOURCE_DIR "/app/translations/turnpixa_%1.ts").arg(code);
}

QString tsTranslation(const QString& code, const QString& context, const QString& source) {
    for (const TsMessage& m : readTsFile(sourceTsFile(code)))
        if (m.context == context && m.source == source) return m.translation;
    return {};
}

}  // namespace turnpixa::test
