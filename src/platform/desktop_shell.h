// Opens files and addresses with the desktop's associated programs.
#pragma once

#include "platform/shell.h"

class DesktopShell : public Shell {
public:
    void openDocument(const QString& nameOrAddress) override;
};
