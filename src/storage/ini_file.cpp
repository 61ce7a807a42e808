#include "storage/ini_file.h"

#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/code_page.h"
#include "storage/file_write_lock.h"
#include "storage/ini_document.h"
#include "storage/scramble.h"
#include "storage/whole_file.h"

namespace {

QByteArray readRaw(const IniDocument& document, const QString& section, const QString& key,
                   const QByteArray& defaultText)
{
    if (const auto value = document.value(cp1251::encode(section), cp1251::encode(key)))
        return *value;
    QByteArray fallback = defaultText;
    while (fallback.endsWith(' '))
        fallback.chop(1);
    return fallback.left(IniMaxValueLength);
}

void writeRaw(const QString& file, const QString& section, const QString& key,
              const QByteArray& value)
{
    IniEdit(file, [&](IniDocument& document) {
        document.setValue(cp1251::encode(section), cp1251::encode(key), value);
        return true;
    });
}

} // namespace

IniDocument IniLoad(const QString& file)
{
    return IniDocument(readWholeFile(file).value_or(QByteArray()));
}

void IniSave(const QString& file, const IniDocument& document, const FileWriteLock& lock)
{
    if (!lock.held() || !replaceFileAtomically(file, document.toBytes()))
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
    return cp1251::decode(readRaw(document, section, key, cp1251::encode(defaultText)));
}

int IniReadInt(const IniDocument& document, const QString& section, const QString& key,
               int defaultValue)
{
    const QByteArray scrambledDefault = ScrambleText(QByteArray::number(defaultValue));
    const QByteArray text = readRaw(document, section, key, scrambledDefault);
    if (text.isEmpty())
        return defaultValue;
    return StrToInt(cp1251::decode(ScrambleText(text)));
}

QString IniReadStr(const QString& file, const QString& section, const QString& key,
                   const QString& defaultText)
{
    return IniReadStr(IniLoad(file), section, key, defaultText);
}

void IniWriteStr(const QString& file, const QString& section, const QString& key,
                 const QString& text)
{
    writeRaw(file, section, key, cp1251::encode(text));
}

int IniReadInt(const QString& file, const QString& section, const QString& key, int defaultValue)
{
    return IniReadInt(IniLoad(file), section, key, defaultValue);
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
