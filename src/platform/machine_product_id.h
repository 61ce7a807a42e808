// The product ID the about box shows for this computer. The machine id must
// stay private, so the game shows an ID of its own derived from it: the same
// on every start of the game on one computer, different on another, and
// telling nothing of the machine id.
#pragma once

#include <QString>

// Five groups of digits, "12345-678-9012345-67890"; empty without a machine id.
QString productIdOfMachine(const QString& machineId);
