#include "app/sound_file.h"

#include "platform/sound_player.h"

#include <QDir>
#include <QFileInfo>

QString resolveFileNameCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.dir();
    for (const QString& name : folder.entryList(QDir::Files))
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return path;
}

bool PlaySoundFile(SoundPlayer& player, const QString& path, bool soundOn, bool toEnd)
{
    if (!soundOn)
        return false;
    return player.play(resolveFileNameCase(path), toEnd);
}
