// Hands a file name or an address to the desktop to open with its program.
#pragma once

#include <QString>

class Shell {
public:
    virtual ~Shell() = default;
    virtual void openDocument(const QString& nameOrAddress) = 0;
};
