#include "clip_manifest.h"

#include "storage/code_page.h"
#include "storage/ini_document.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr int FieldCount = 4;

QString codePoint(QChar ch) {
    return QStringLiteral("U+%1").arg(
        QString::number(ch.unicode(), 16).toUpper().rightJustified(4, u'0'));
}

// What is wrong with a field that goes into tulip.dat, or nothing.
QString fieldProblem(const QString& what, const QString& field) {
    if (field.contains(u';'))
        return QStringLiteral("the %1 holds \";\", which the game takes for the end of it")
            .arg(what);
    for (const QChar ch : field)
        if (!cp1251::canEncode(QString(ch)))
            return QStringLiteral("the %1 holds \"%2\" (%3), which tulip.dat cannot hold")
                .arg(what, QString(ch), codePoint(ch));
    return {};
}

QStringList entryProblems(const ClipEntry& entry) {
    static const QRegularExpression iconName(QStringLiteral("^ICO[1-8]$"));
    QStringList problems;
    if (!entry.icon.isEmpty() && !iconName.match(entry.icon).hasMatch())
        problems << QStringLiteral(
                        "the icon \"%1\" is none of ICO1 to ICO8 (leave it empty for none)")
                        .arg(entry.icon);
    for (const auto& [what, field] : {std::pair{QStringLiteral("web address"), entry.web},
                                      std::pair{QStringLiteral("e-mail address"), entry.mail}})
        if (const QString problem = fieldProblem(what, field); !problem.isEmpty())
            problems << problem;
    if (entry.mail.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        problems << QStringLiteral(
            "the e-mail address starts with \"mailto:\", which the game adds itself");
    if (entry.pageFile.isEmpty())
        problems << QStringLiteral("no clip file is named");
    if (const qsizetype length = cp1251::encode(entry.links()).size(); length > IniMaxValueLength)
        problems << QStringLiteral("the icon and the links make %1 characters; the game reads %2")
                        .arg(length)
                        .arg(IniMaxValueLength);
    return problems;
}

} // namespace

QString ClipEntry::links() const {
    return icon + u';' + web + u';' + mail;
}

QList<ClipEntry> ClipManifest::Parse(const QByteArray& text, const QString& manifestPath,
                                     QStringList& problems) {
    QList<ClipEntry> entries;
    const QByteArrayList lines = IniDocument(text).lineTexts();
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString where = QStringLiteral("%1:%2: ").arg(manifestPath).arg(lineNumber);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = utf8.decode(lines[i]);
        if (utf8.hasError()) {
            problems << where + QStringLiteral("not UTF-8 text");
            continue;
        }
        if (i == 0 && line.startsWith(QChar::ByteOrderMark))
            line.remove(0, 1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        if (fields.size() != FieldCount) {
            problems << where + QStringLiteral("%1 fields, %2 expected: icon | web address | "
                                               "e-mail address | clip file")
                                    .arg(fields.size())
                                    .arg(FieldCount);
            continue;
        }
        if (entries.size() == MaxClips) {
            problems << where + QStringLiteral("more than %1 clips; the game numbers no more")
                                    .arg(MaxClips);
            break;
        }
        const ClipEntry entry{fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed(),
                              fields[3].trimmed(), lineNumber};
        for (const QString& problem : entryProblems(entry))
            problems << where + problem;
        entries.append(entry);
    }
    if (entries.isEmpty() && problems.isEmpty())
        problems << manifestPath + QStringLiteral(": no clips");
    return entries;
}
