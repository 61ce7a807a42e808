// A computer as the windows tests see it: registered to a Russian owner,
// without an organisation, with a known system and 16 GiB of memory.
#pragma once

#include "platform/system_facts.h"

inline SystemFacts sampleMachine() {
    SystemFacts facts;
    facts.loginName = QStringLiteral("ivan");
    facts.registeredOwner = QStringLiteral("Иван Петров");
    facts.productId = QStringLiteral("51207-394-8816023-40571");
    facts.osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    facts.osRelease = QStringLiteral("6.1.0-18-amd64");
    facts.totalMemoryBytes = 16ULL * 1024 * 1024 * 1024 + 1023;
    return facts;
}
