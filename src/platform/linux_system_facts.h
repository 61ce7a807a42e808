// Reads the facts of this computer and its user from the system.
#pragma once

#include "platform/system_facts.h"

SystemFacts readLinuxSystemFacts();
