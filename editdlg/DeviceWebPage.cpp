#include "editdlg/DeviceWebPage.h"

#include <shellapi.h>

#include "mapping/FormatText.h"
#include "mapping/PortRecord.h"

std::string DeviceUrl(DWORD ipa)
{
    return FormatText("http://%d.%d.%d.%d", AddressByte(ipa, 0), AddressByte(ipa, 1),
                      AddressByte(ipa, 2), AddressByte(ipa, 3));
}

void OpenDeviceWebPage(DWORD ipa)
{
    const std::string cmdbuf = DeviceUrl(ipa);
    ::ShellExecuteA(nullptr, "open", cmdbuf.c_str(), "", "", SW_SHOWNORMAL);
}
