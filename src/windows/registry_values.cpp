#include "windows/registry_values.h"

#include "storage/code_page.h"

#include <QList>

#include <optional>
#include <utility>

namespace {

using RegistryKey = QList<std::pair<QString, QString>>;

// A value is read into 260 bytes, its terminating NUL included.
constexpr qsizetype ValueBufferBytes = 260;

std::optional<RegistryKey> openKey(const SystemFacts& facts, RegistryRoot root,
                                   const QString& keyPath) {
    // The system here does not call itself Windows NT, so only the key of the
    // other Windows family exists.
    static const QString windowsKey =
        QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    if (root != RegistryRoot::LocalMachine || keyPath.compare(windowsKey, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return RegistryKey{
        {QStringLiteral("RegisteredOwner"), facts.registeredOwner},
        {QStringLiteral("RegisteredOrganization"), facts.registeredOrganization},
        {QStringLiteral("ProductID"), facts.productId},
        {QStringLiteral("Version"), facts.osName},
        {QStringLiteral("VersionNumber"), facts.osRelease},
    };
}

std::optional<QString> readValue(const RegistryKey& key, const QString& name) {
    for (const auto& [valueName, data] : key) {
        if (valueName.compare(name, Qt::CaseInsensitive) == 0) {
            if (cp1251::encode(data).size() >= ValueBufferBytes)
                return std::nullopt;
            return data;
        }
    }
    return std::nullopt;
}

} // namespace

QString ReadRegistryValues(const SystemFacts& facts, RegistryRoot root, const QString& keyPath,
                           const QString& names, QChar separator) {
    const std::optional<RegistryKey> key = openKey(facts, root, keyPath);
    if (!key)
        return QStringLiteral("!Ошибка");
    QString result;
    for (const QString& name : names.split(u',')) {
        if (name.isEmpty())
            break;
        // An empty value adds nothing, so the next piece moves up into its place.
        if (!result.isEmpty())
            result += separator;
        result += readValue(*key, name).value_or(QStringLiteral("?"));
    }
    return result;
}
