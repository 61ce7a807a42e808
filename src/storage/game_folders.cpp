#include "storage/game_folders.h"

#include "storage/app_error.h"
#include "storage/atomic_file.h"
#include "storage/whole_file.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

QString withSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

bool writableInPlace(const ProgramFolder& program)
{
    if (program.installed || !QFileInfo(program.folder).isWritable())
        return false;
    for (const char* name : PlayerFileNames) {
        const QFileInfo file(program.folder + QLatin1String(name));
        if (file.exists() && !file.isWritable())
            return false;
    }
    return true;
}

AppError noPlaceError(const ProgramFolder& program, const QString& userFolder)
{
    return AppError(QStringLiteral("Игре негде хранить вопросы и результаты игроков: в папку игры %1 "
                                   "записывать нельзя, а папку %2 не удалось создать или записать "
                                   "в неё. Проверьте права на эту папку или укажите другую в "
                                   "переменной XDG_DATA_HOME.")
                        .arg(program.folder, userFolder));
}

// A copy appears whole or not at all; one made meanwhile by another copy of
// the game is the player's and stays.
bool copyWhenMissing(const QString& shipped, const QString& copy)
{
    if (QFileInfo::exists(copy))
        return true;
    const std::optional<QByteArray> content = readWholeFile(shipped);
    if (!content)
        return true;
    return createFileAtomically(copy, *content) || QFileInfo::exists(copy);
}

} // namespace

ProgramFolder locateProgramFolder(const QString& gameFolder, const QString& installedFromGame)
{
    const QDir game(gameFolder);
    if (game.exists(QLatin1String(PlayerFileNames.front())))
        return {withSlash(game.absolutePath()), false};
    return {withSlash(QDir::cleanPath(game.absoluteFilePath(installedFromGame))), true};
}

QString preparePlayerDataFolder(const ProgramFolder& program, const QString& userFolder)
{
    if (writableInPlace(program))
        return program.folder;
    const QString folder = withSlash(userFolder);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        throw noPlaceError(program, folder);
    for (const char* name : PlayerFileNames) {
        if (!copyWhenMissing(program.folder + QLatin1String(name), folder + QLatin1String(name)))
            throw noPlaceError(program, folder);
    }
    return folder;
}
