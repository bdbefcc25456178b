// The decimal reading rule used for every number typed or stored as text.
// Portable: no Win32.
#pragma once

#include <string>

// Reads a number the way the C library's atoi does: skips leading white space,
// takes an optional sign and the decimal digits after it, stops at the first
// other character; text without digits gives 0. Unlike atoi, overflow is
// defined: the value saturates at INT_MIN / INT_MAX (the documented behaviour of
// the current Windows C runtime), so crafted input can never wrap into a
// plausible small number or invoke undefined behaviour.
int DecimalValue(const char* text);
int DecimalValue(const std::string& text);
