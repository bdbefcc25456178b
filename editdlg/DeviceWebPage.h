// A device's own web page, opened in the default browser.
#pragma once

#include <windows.h>

#include <string>

// "http://a.b.c.d" for an address whose most significant byte is a.
std::string DeviceUrl(DWORD ipa);

// Asks the shell to open the device's page; failures are not reported.
void OpenDeviceWebPage(DWORD ipa);
