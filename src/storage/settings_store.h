// The per-user settings of the game (name switch, sound, counters, the
// question cursors): one INI file with one section, values as plain text,
// integers in decimal, booleans as "0" and "1". Read afresh at every call; a
// store that is missing or cannot be read gives the defaults.
#pragma once

#include <QString>

class SettingsStore {
public:
    explicit SettingsStore(QString file);

    const QString& file() const { return m_file; }

    QString ReadSettingStr(const QString& section, const QString& key,
                           const QString& defaultText) const;
    int ReadSettingInt(const QString& section, const QString& key, int defaultValue) const;
    bool ReadSettingBool(const QString& section, const QString& key, bool defaultValue) const;

    // Throw AppError "Failed to create key <section>" when the store cannot
    // be created, "Failed to set data for '<key>'" when it cannot be written,
    // "Cannot open file <file>" when it is there but cannot be read.
    void WriteSettingStr(const QString& section, const QString& key, const QString& text);
    void WriteSettingInt(const QString& section, const QString& key, int value);
    void WriteSettingBool(const QString& section, const QString& key, bool value);

private:
    QString m_file;
};

// The one section the game keeps its settings in.
inline const QString SettingsSection = QStringLiteral("Zambrel");
