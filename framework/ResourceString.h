// Strings from the program's string table.
#pragma once

#include <windows.h>

#include <string>

// Loads string nID into text; false (and text empty) when there is none.
bool AfxLoadString(UINT nID, std::string& text);
