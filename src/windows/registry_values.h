// The machine-wide registry values the game reads: whom the computer is
// registered to and which system it runs, for the splash and as a player's
// name. This desktop has no registry, so the one key the game looks in is
// answered from the facts of the computer.
#pragma once

#include "platform/system_facts.h"

#include <QChar>
#include <QString>

enum class RegistryRoot { LocalMachine, CurrentUser };

// The values named in the comma-separated list, read up to its first empty
// name and joined by the separator: "?" for a value that is missing or longer
// than the game's buffer, "!Ошибка" when the key cannot be opened.
QString ReadRegistryValues(const SystemFacts& facts, RegistryRoot root, const QString& keyPath,
                           const QString& names, QChar separator = u',');
