// Where a test finds the files it reads: the test data in the sources and
// what the build made, fixed when the test is built.
#pragma once

#include <QString>

inline QString testDataFolder() { return QStringLiteral(ZAMBREL_TEST_DATA); }
inline QString buildFolder() { return QStringLiteral(ZAMBREL_BUILD_DIR); }
