#pragma once

#include "shell/system_info.h"

#include <memory>

// Looks up the system information program where this system keeps it: the registry on Windows,
// the installed programs elsewhere.
std::unique_ptr<Registry> makeSystemRegistry();
// Starts programs detached from Pellucor.
std::unique_ptr<ProgramStarter> makeProgramStarter();
