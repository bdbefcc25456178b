// Registry fixtures for tests under Wine: seeding and reading back the
// connector configuration exactly as stored.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// One stored value as the ANSI registry calls see it.
struct RawValue {
    DWORD type;
    std::string bytes;
};

bool operator==(const RawValue& a, const RawValue& b);
std::ostream& operator<<(std::ostream& out, const RawValue& value);

// A REG_SZ value holding text and its zero byte.
RawValue Sz(const std::string& text);
// A REG_MULTI_SZ value holding exactly one string.
RawValue MultiSz(const std::string& text);
RawValue Raw(DWORD type, const std::string& bytes);

using RawValues = std::map<std::string, RawValue>;

extern const char kConfigKeyPath[];      // the connector configuration
extern const char kTandrelKeyPath[];         // the program's own settings key

// Deletes a key of HKEY_LOCAL_MACHINE with everything below it, even one a
// test made read-only; no error when it does not exist.
void DeleteMachineKey(const char* path);

// Lets everyone read the key but nobody change it, as for a user without
// administrator rights; MakeMachineKeyWritable undoes it.
void MakeMachineKeyReadOnly(const char* path);
void MakeMachineKeyWritable(const char* path);
bool MachineKeyExists(const char* path);

// Creates sub-key name of the connector configuration with these values.
void SeedMapping(const std::string& subKeyName, const RawValues& values);

// The sub-keys of the connector configuration, in enumeration order.
std::vector<std::string> ConfigSubKeys();

// Every value of a sub-key of the connector configuration.
RawValues ReadSubKeyValues(const std::string& subKeyName);
