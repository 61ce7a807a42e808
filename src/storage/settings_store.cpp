#include "storage/settings_store.h"

#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/code_page.h"
#include "storage/file_write_lock.h"
#include "storage/ini_file.h"
#include "storage/scramble.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// A store that cannot be read gives the defaults, as a missing one does; only
// a write refuses it, so that it is never replaced.
std::optional<QString> readValue(const QString& file, const QString& section, const QString& key)
{
    IniDocument document;
    try {
        document = IniLoad(file);
    } catch (const AppError&) {
        return std::nullopt;
    }
    const auto value = document.value(cp1251::encode(section), cp1251::encode(key));
    if (!value)
        return std::nullopt;
    return cp1251::decode(*value);
}

} // namespace

SettingsStore::SettingsStore(QString file)
    : m_file(std::move(file))
{
}

QString SettingsStore::ReadSettingStr(const QString& section, const QString& key,
                                      const QString& defaultText) const
{
    return readValue(m_file, section, key).value_or(defaultText);
}

int SettingsStore::ReadSettingInt(const QString& section, const QString& key,
                                  int defaultValue) const
{
    const auto text = readValue(m_file, section, key);
    return text ? StrToIntDef(*text, defaultValue) : defaultValue;
}

bool SettingsStore::ReadSettingBool(const QString& section, const QString& key,
                                    bool defaultValue) const
{
    return ReadSettingInt(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsStore::WriteSettingStr(const QString& section, const QString& key,
                                    const QString& text)
{
    if (!QDir().mkpath(QFileInfo(m_file).absolutePath()))
        throw AppError(QStringLiteral("Failed to create key %1").arg(section));
    const FileWriteLock lock(m_file);
    IniDocument document = IniLoad(m_file);
    document.setValue(cp1251::encode(section), cp1251::encode(key), cp1251::encode(text));
    if (!lock.held() || !replaceFileAtomically(m_file, document.toBytes()))
        throw AppError(QStringLiteral("Failed to set data for '%1'").arg(key));
}

void SettingsStore::WriteSettingInt(const QString& section, const QString& key, int value)
{
    WriteSettingStr(section, key, QString::number(value));
}

void SettingsStore::WriteSettingBool(const QString& section, const QString& key, bool value)
{
    WriteSettingStr(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
