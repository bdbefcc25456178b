#include "apply/ControlProgram.h"

#include <windows.h>

#include "mapping/RegistryText.h"

const char kOwnKeyPath[] = "SOFTWARE\\Corvane\\Tandrel\\";

std::string ReadControlProgramPath()
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOwnKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return std::string();
    }
    std::string path;
    if (QueryValueText(key, "TandrelExe", path) != ERROR_SUCCESS) path.clear();
    ::RegCloseKey(key);
    return path;
}
