#include "platform/home_folder.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {

// The home folder the password database keeps for the user running the game.
QString passwordHome()
{
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

} // namespace

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
    const QString fromPasswords = passwordHome();
    // A user without an entry has no home of his own at all.
    return fromPasswords.isEmpty() ? QDir::rootPath() : fromPasswords;
}

QString userConfigFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir(homeFolder()).filePath(QStringLiteral(".config"));
}
