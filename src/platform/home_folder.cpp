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

// The folder an XDG variable names when it is absolute, as the rules demand;
// else the default below the home folder.
QString xdgFolder(const char* variable, const QString& inHome)
{
    const QString folder = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(folder))
        return folder;
    return QDir(homeFolder()).filePath(inHome);
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

QString userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")); }

QString userDataFolder() { return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")); }
