// printf-style formatting into a string of exactly the needed length.
// Portable: no Win32.
#pragma once

#include <string>

std::string FormatText(const char* format, ...);
