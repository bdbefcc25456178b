// The connector's configuration in the registry: one sub-key per mapping
// under HKEY_LOCAL_MACHINE\SOFTWARE\ELTIMA Software\SEC\Config. Nothing here
// shows a message: a value that cannot be read gives a fallback text, a
// sub-key that names no mapping gives no row.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "mapping/PortRecord.h"

class CListBox;

extern const char kConnectorConfigPath[];

// Opens, or creates when missing, the configuration key with full access.
// Null when that fails; the caller closes the key.
HKEY OpenConfigKey();

// The text of value valueName of sub-key subKeyName of key, or fallback when
// the sub-key or the value cannot be read. The text ends at the value's first
// zero byte or at its stored length, whichever comes first, whatever the
// value's type; nothing past the stored bytes is ever read.
std::string ReadString(HKEY key, const char* subKeyName, const char* valueName,
                       const char* fallback);

// Reads sub-key subKeyName of the configuration key; when it names a mapping,
// adds the mapping's row to list and returns its COM number (above 0).
// Returns 0 and adds nothing otherwise.
int ReadMapping(HKEY configKey, CListBox& list, const char* subKeyName);

// Stores text as a REG_SZ value: its bytes and one zero byte.
LONG WriteString(HKEY key, const char* valueName, const std::string& text);

// Writes the mapping as sub-key "QVCOM<n>" with its seven values, creating
// the configuration key and the sub-key as needed. True when the sub-key could
// be created and every value was written.
bool StoreMapping(const PortRecord& record);

// Deletes every sub-key of the configuration key, whatever its name, and puts
// the names of those that could not be deleted into undeletable. False when
// the configuration key could not be opened.
bool DeleteAllMappings(std::vector<std::string>& undeletable);
