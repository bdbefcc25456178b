#include "mapping/ConnectorStore.h"

#include <new>
#include <vector>

#include "framework/ListBox.h"
#include "mapping/MappingValues.h"
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

namespace {

// The value's bytes as text, up to the first zero byte or the stored length.
// Reads into a buffer of exactly the size the registry reported: a value that
// grew in between makes the read fail (ERROR_MORE_DATA), never overflow.
LONG QueryText(HKEY key, const char* valueName, std::string& text)
{
    DWORD size = 0;
    LONG status = ::RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;

    std::vector<char> buffer;
    try {
        buffer.resize(size > 0 ? size : 1);
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    DWORD stored = size;
    status = ::RegQueryValueExA(key, valueName, nullptr, nullptr,
                                reinterpret_cast<BYTE*>(buffer.data()), &stored);
    if (status != ERROR_SUCCESS) return status;

    const size_t length = stored < size ? stored : size;
    size_t end = 0;
    while (end < length && buffer[end] != '\0') ++end;
    text.assign(buffer.data(), end);
    return ERROR_SUCCESS;
}

}  // namespace

std::string ReadString(HKEY key, const char* subKeyName, const char* valueName,
                       const char* fallback)
{
    HKEY subKey = nullptr;
    if (::RegOpenKeyExA(key, subKeyName, 0, KEY_ALL_ACCESS, &subKey) != ERROR_SUCCESS) {
        return fallback;
    }
    std::string text;
    const LONG status = QueryText(subKey, valueName, text);
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
