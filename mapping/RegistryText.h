// Reading a registry value as text without ever going past its stored bytes.
#pragma once

#include <windows.h>

#include <string>

// The value's bytes as text, up to its first zero byte or its stored length,
// whichever comes first, whatever its type. Reads into a buffer of exactly
// the size the registry reported: a value that grew in between makes the read
// fail (ERROR_MORE_DATA) rather than overflow. Returns the registry's status.
LONG QueryValueText(HKEY key, const char* valueName, std::string& text);
