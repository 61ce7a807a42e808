#include "advert_data_file.h"

#include "storage/code_page.h"
#include "storage/ini_document.h"
#include "storage/ini_file.h"

#include <QRegularExpression>

namespace {

const QByteArray CommonSection = "COMMON";
const QByteArray LineEnd = "\r\n";

// The section named by a header line (read as the game's INI reader reads
// it), or nothing for any other line.
std::optional<QByteArray> headerName(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool isClipName(const QByteArray& name) {
    static const QRegularExpression clip(QStringLiteral("^F[0-9]+$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return clip.match(QString::fromLatin1(name)).hasMatch();
}

// MAX and the F<n> keys of COMMON belong to the clips.
bool isClipKey(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';'))
        return false;
    const QByteArray key = line.left(eq).trimmed();
    return foldIniName(key) == "max" || isClipName(key);
}

// The file's lines without its clips: COMMON first, then whatever else it
// held, then the clips' sections.
QByteArray withoutClips(const QByteArrayList& lines) {
    enum class Part { Top, Common, Clip, Other };
    Part part = Part::Top;
    bool commonSeen = false;
    QByteArray top, common, other;
    for (const QByteArray& line : lines) {
        if (const auto name = headerName(line)) {
            // The game reads the first COMMON only; a later one stays as it was.
            if (foldIniName(*name) == "common" && !commonSeen) {
                commonSeen = true;
                part = Part::Common;
                continue;
            }
            part = isClipName(*name) ? Part::Clip : Part::Other;
        }
        if (part == Part::Top)
            top += line + LineEnd;
        else if (part == Part::Common && !isClipKey(line))
            common += line + LineEnd;
        else if (part == Part::Other)
            other += line + LineEnd;
    }
    return top + '[' + CommonSection + ']' + LineEnd + common + other;
}

IniDocument withClips(const IniDocument& old, const QList<AdvertClip>& clips) {
    QByteArray text = withoutClips(old.lineTexts());
    for (int n = 1; n <= clips.size(); ++n) {
        text += "[F" + QByteArray::number(n) + ']' + LineEnd;
        for (const QByteArray& line : clips[n - 1].page)
            text += line + LineEnd;
    }
    IniDocument document(text);
    for (int n = 1; n <= clips.size(); ++n)
        document.setValue(CommonSection, 'F' + QByteArray::number(n),
                          cp1251::encode(clips[n - 1].links));
    return document;
}

} // namespace

void AdvertDataFile::Write(const QString& path, const QList<AdvertClip>& clips) {
    IniEdit(path, [&](IniDocument& document) {
        document = withClips(document, clips);
        return true;
    });
    // Written apart, by the game's own integer writer, so that it reads back
    // exactly as the game reads it.
    IniWriteInt(path, QString::fromLatin1(CommonSection), QStringLiteral("MAX"), int(clips.size()));
}
