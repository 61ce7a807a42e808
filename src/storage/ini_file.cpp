#include "storage/ini_file.h"

#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/code_page.h"
#include "storage/file_write_lock.h"
#include "storage/ini_document.h"
#include "storage/ini_sections.h"
#include "storage/scramble.h"
#include "storage/whole_file.h"

namespace {

// The value read, or else the default as a reader gets it: without its
// trailing spaces and cut like a value.
QString textOrDefault(const std::optional<QByteArrayView>& value, const QString& defaultText)
{
    if (value)
        return cp1251::decode(value->toByteArray());
    QByteArray fallback = cp1251::encode(defaultText);
    while (fallback.endsWith(' '))
        fallback.chop(1);
    return cp1251::decode(fallback.left(IniMaxValueLength));
}

// A single value of a file, read in one pass over its bytes: a document of
// a large file (the results of all players) would take seconds.
std::optional<QByteArrayView> valueIn(const QByteArray& content, const QString& section,
                                      const QString& key)
{
    return findIniValue(content, cp1251::encode(section), cp1251::encode(key));
}

// A single value written on the file's bytes: a document of a large file
// (the results of all players) would take seconds at every right answer.
void writeRaw(const QString& file, const QString& section, const QString& key,
              const QByteArray& value)
{
    const FileWriteLock lock(file);
    IniSave(file,
            withIniValue(readWholeFile(file).value_or(QByteArray()), cp1251::encode(section),
                         cp1251::encode(key), value),
            lock);
}

} // namespace

IniDocument IniLoad(const QString& file)
{
    return IniDocument(readWholeFile(file).value_or(QByteArray()));
}

void IniSave(const QString& file, const IniDocument& document, const FileWriteLock& lock)
{
    IniSave(file, document.toBytes(), lock);
}

void IniSave(const QString& file, const QByteArray& content, const FileWriteLock& lock)
{
    if (!lock.held() || !replaceFileAtomically(file, content))
        throw AppError(QStringLiteral("Unable to write to %1").arg(file));
}

void IniEdit(const QString& file, const std::function<bool(IniDocument&)>& change)
{
    const FileWriteLock lock(file);
    IniDocument document = IniLoad(file);
    if (change(document))
        IniSave(file, document, lock);
}

QString IniReadStr(const IniDocument& document, const QString& section, const QString& key,
                   const QString& defaultText)
{
    return textOrDefault(document.value(cp1251::encode(section), cp1251::encode(key)),
                         defaultText);
}

int IniReadInt(const IniDocument& document, const QString& section, const QString& key,
               int defaultValue)
{
    const auto value = document.value(cp1251::encode(section), cp1251::encode(key));
    return StoredInt(value.value_or(QByteArray()), defaultValue);
}

QString IniReadStr(const QString& file, const QString& section, const QString& key,
                   const QString& defaultText)
{
    const QByteArray content = readWholeFile(file).value_or(QByteArray());
    return textOrDefault(valueIn(content, section, key), defaultText);
}

void IniWriteStr(const QString& file, const QString& section, const QString& key,
                 const QString& text)
{
    writeRaw(file, section, key, cp1251::encode(text));
}

int IniReadInt(const QString& file, const QString& section, const QString& key, int defaultValue)
{
    const QByteArray content = readWholeFile(file).value_or(QByteArray());
    return StoredInt(valueIn(content, section, key).value_or(QByteArrayView()), defaultValue);
}

void IniWriteInt(const QString& file, const QString& section, const QString& key, int value)
{
    writeRaw(file, section, key, ScrambleText(QByteArray::number(value)));
}

void IniEraseSection(const QString& file, const QString& section)
{
    IniEdit(file, [&](IniDocument& document) {
        return document.eraseSection(cp1251::encode(section));
    });
}

QStringList IniFileLines(const QString& file)
{
    const auto content = readWholeFile(file);
    if (!content)
        throw AppError(QStringLiteral("Cannot open file %1").arg(file));
    QStringList lines;
    for (const QByteArray& line : IniDocument(*content).lineTexts())
        lines.append(cp1251::decode(line));
    return lines;
}

void IniSectionLines(const QString& file, const QString& section, QStringList& list)
{
    const QString header = u'[' + section + u']';
    bool inside = false;
    for (const QString& line : IniFileLines(file)) {
        if (line.startsWith(u'[')) {
            if (inside)
                break;
            inside = line == header;
        } else if (inside) {
            list.append(line);
        }
    }
}
