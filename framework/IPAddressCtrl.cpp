#include "framework/IPAddressCtrl.h"

#include <commctrl.h>

void CIPAddressCtrl::SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3)
{
    SendMessage(IPM_SETADDRESS, 0, MAKEIPADDRESS(nField0, nField1, nField2, nField3));
}

void CIPAddressCtrl::SetAddress(DWORD dwAddress)
{
    SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(dwAddress));
}

int CIPAddressCtrl::GetAddress(DWORD& dwAddress) const
{
    dwAddress = 0;
    return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress)));
}

void CIPAddressCtrl::ClearAddress() { SendMessage(IPM_CLEARADDRESS, 0, 0); }
