// Facts about this computer and its user that the game shows or books.
#pragma once

#include <QString>
#include <cstdint>

struct SystemFacts {
    QString loginName;
    QString networkUserName;
    QString computerName;
    QString registeredOwner;         // the user's full name, else the login name
    QString registeredOrganization;  // none on this platform
    QString productId;               // derived from /etc/machine-id, never the id itself
    QString osName;                  // PRETTY_NAME of /etc/os-release
    QString osRelease;               // the kernel release
    std::uint64_t totalMemoryBytes = 0;
};
