#include "tests/support/Registry.h"

#include <sddl.h>

#include <iomanip>
#include <ostream>
#include <stdexcept>

const char kConfigKeyPath[] = "SOFTWARE\\ELTIMA Software\\SEC\\Config";
const char kTandrelKeyPath[] = "SOFTWARE\\Corvane\\Tandrel\\";

bool operator==(const RawValue& a, const RawValue& b)
{
    return a.type == b.type && a.bytes == b.bytes;
}

std::ostream& operator<<(std::ostream& out, const RawValue& value)
{
    out << "type " << value.type << ", " << value.bytes.size() << " bytes \"";
    for (unsigned char c : value.bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out << c;
        } else {
            out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << int(c) << std::dec;
        }
    }
    return out << '"';
}

RawValue Sz(const std::string& text) { return {REG_SZ, text + std::string(1, '\0')}; }
RawValue MultiSz(const std::string& text) { return {REG_MULTI_SZ, text + std::string(2, '\0')}; }
RawValue Raw(DWORD type, const std::string& bytes) { return {type, bytes}; }

namespace {

void SetKeyAccess(const char* path, const char* sddl)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
        ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
}

}  // namespace

// Everyone may read; only changing the access rules and deleting stay open,
// so that the test can clean up.
void MakeMachineKeyReadOnly(const char* path) { SetKeyAccess(path, "D:P(A;;KRSDWD;;;WD)"); }
void MakeMachineKeyWritable(const char* path) { SetKeyAccess(path, "D:P(A;;KA;;;WD)"); }

void DeleteMachineKey(const char* path)
{
    MakeMachineKeyWritable(path);
    const LONG status = ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
        return;
    }
    throw std::runtime_error(std::string("cannot delete HKLM\\") + path);
}

bool MachineKeyExists(const char* path)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

void SeedMapping(const std::string& subKeyName, const RawValues& values)
{
    const std::string path = std::string(kConfigKeyPath) + "\\" + subKeyName;
    HKEY key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create HKLM\\" + path);
    }
    for (const auto& value : values) {
        ::RegSetValueExA(key, value.first.c_str(), 0, value.second.type,
                         reinterpret_cast<const BYTE*>(value.second.bytes.data()),
                         static_cast<DWORD>(value.second.bytes.size()));
    }
    ::RegCloseKey(key);
}

std::vector<std::string> ConfigSubKeys()
{
    std::vector<std::string> names;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kConfigKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return names;
    }
    char name[256];
    for (DWORD i = 0; ::RegEnumKeyA(key, i, name, sizeof(name)) == ERROR_SUCCESS; ++i) {
        names.push_back(name);
    }
    ::RegCloseKey(key);
    return names;
}

RawValues ReadSubKeyValues(const std::string& subKeyName)
{
    RawValues values;
    const std::string path = std::string(kConfigKeyPath) + "\\" + subKeyName;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof(name);
        DWORD type = 0;
        BYTE data[4096];
        DWORD size = sizeof(data);
        if (::RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) {
            break;
        }
        values[name] = {type, std::string(reinterpret_cast<char*>(data), size)};
    }
    ::RegCloseKey(key);
    return values;
}
