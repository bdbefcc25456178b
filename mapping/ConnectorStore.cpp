#include "mapping/ConnectorStore.h"

#include <vector>

#include "framework/ListBox.h"
#include "mapping/MappingValues.h"
#include "mapping/RegistryText.h"
#include "mapping/RowText.h"

const char kConnectorConfigPath[] = "SOFTWARE\\ELTIMA Software\\SEC\\Config";

HKEY OpenConfigKey()
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kConnectorConfigPath, 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

std::string ReadString(HKEY key, const char* subKeyName, const char* valueName,
                       const char* fallback)
{
    HKEY subKey = nullptr;
    if (::RegOpenKeyExA(key, subKeyName, 0, KEY_ALL_ACCESS, &subKey) != ERROR_SUCCESS) {
        return fallback;
    }
    std::string text;
    const LONG status = QueryValueText(subKey, valueName, text);
    ::RegCloseKey(subKey);
    return status == ERROR_SUCCESS ? text : std::string(fallback);
}

int ReadMapping(HKEY configKey, CListBox& list, const char* subKeyName)
{
    PortRecord record;
    const bool listed = DecodeMapping(
        [&](const char* valueName) {
            return ReadString(configKey, subKeyName, valueName, kUnreadableValue);
        },
        record);
    if (!listed) return 0;

    list.AddString(FormatRow(record.com_port, record.ipa, record.net_port, record.mode).c_str());
    return record.com_port;
}

LONG WriteString(HKEY key, const char* valueName, const std::string& text)
{
    return ::RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
}

bool StoreMapping(const PortRecord& record)
{
    HKEY configKey = OpenConfigKey();
    HKEY subKey = nullptr;
    if (configKey != nullptr) {
        ::RegCreateKeyA(configKey, MappingSubKeyName(record.com_port).c_str(), &subKey);
    }

    bool allWritten = (subKey != nullptr);
    if (subKey != nullptr) {
        // Every value is attempted even when one fails.
        for (const StoredValue& value : MappingValues(record)) {
            LONG status;
            if (value.type == StoredValueType::String) {
                status = WriteString(subKey, value.name, value.text);
            } else {
                const std::string bytes = StoredBytes(value);
                status = ::RegSetValueExA(subKey, value.name, 0, REG_MULTI_SZ,
                                          reinterpret_cast<const BYTE*>(bytes.data()),
                                          static_cast<DWORD>(bytes.size()));
            }
            allWritten = allWritten && status == ERROR_SUCCESS;
        }
        ::RegCloseKey(subKey);
    }
    if (configKey != nullptr) ::RegCloseKey(configKey);
    return allWritten;
}

bool DeleteAllMappings(std::vector<std::string>& undeletable)
{
    undeletable.clear();
    HKEY configKey = OpenConfigKey();
    if (configKey == nullptr) return false;

    // Each deletion moves the next sub-key to the front, so the index only
    // moves past sub-keys that cannot be deleted (they have sub-keys of their
    // own, or the user may not delete them); the loop always ends.
    char name_buffer[256];
    DWORD index = 0;
    while (::RegEnumKeyA(configKey, index, name_buffer, sizeof(name_buffer)) == ERROR_SUCCESS) {
        if (::RegDeleteKeyA(configKey, name_buffer) != ERROR_SUCCESS) {
            undeletable.push_back(name_buffer);
            ++index;
        }
    }
    ::RegCloseKey(configKey);
    return true;
}
