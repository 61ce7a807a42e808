// Where a player's own files live on this desktop. The home folder is $HOME,
// or the one the password database gives when HOME is unset or empty (a game
// started by a service or a bare session), never the root of the disk. The
// configuration and data folders follow the XDG rules: $XDG_CONFIG_HOME
// ($XDG_DATA_HOME) when it is an absolute path, else ".config" (".local/share")
// in the home folder.
#pragma once

#include <QString>

QString homeFolder();
// Without a trailing "/".
QString userConfigFolder();
// Without a trailing "/".
QString userDataFolder();
