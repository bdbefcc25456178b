// Modal message boxes captioned with the application's name.
#pragma once

#include <windows.h>

// Shows text with the buttons and icon of nType over the active window of the
// program; returns the button the user chose (IDOK, IDYES, IDNO, ...).
int AfxMessageBox(const char* text, UINT nType = MB_OK);

// The same with a string from the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// For catch blocks at the framework's boundaries with Windows (window and
// dialog procedures), which no exception may cross: shows the exception being
// handled in a message box.
void AfxReportCurrentException();
