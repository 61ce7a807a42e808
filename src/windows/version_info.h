// The program's version facts as the about box shows them: its name, version,
// description and maker. They come from the build (see program_version.h).
#pragma once

#include <QString>

struct VersionInfo {
    QString fileDescription;
    QString fileVersion;
    QString legalCopyright;
    QString companyName;
    QString legalTrademarks;
    QString productName;
};
