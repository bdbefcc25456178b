// Where the connector control program is: Tandrel's own registry key, which
// Tandrel reads and never writes.
#pragma once

#include <string>

extern const char kOwnKeyPath[];  // under HKEY_LOCAL_MACHINE, with a trailing backslash

// The stored path of the control program (value "TandrelExe"), exactly as
// stored, or "" when the key cannot be opened or the value is missing or
// empty. Opening the key creates it, empty, when it is missing.
std::string ReadControlProgramPath();
