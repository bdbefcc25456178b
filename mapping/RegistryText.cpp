#include "mapping/RegistryText.h"

#include <new>
#include <vector>

LONG QueryValueText(HKEY key, const char* valueName, std::string& text)
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
