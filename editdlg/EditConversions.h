// What the edit dialog makes of the texts in its controls. Portable: no Win32.
#pragma once

#include <cstdint>
#include <string>

// The port typed in the port field: its decimal value, low 16 bits kept, so
// "70000" is 4464 and "-1" is 65535; text without a number is 0.
std::uint16_t PortOfText(const std::string& text);

// The COM list's item text for port n: "COM<n>".
std::string ComItemText(int n);

// The COM number of a COM list item: the decimal value after its first three
// characters (the "COM" prefix, which is not compared).
int ComNumberOfItem(const std::string& itemText);
