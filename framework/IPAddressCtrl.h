// The IP address control: four byte fields. An address is held as one 32-bit
// value whose most significant byte is the first field.
#pragma once

#include "framework/Wnd.h"

class CIPAddressCtrl : public CWnd {
public:
    // Fills the four fields, first field first.
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
    void SetAddress(DWORD dwAddress);
    // Reads the address into dwAddress (blank fields count as 0); returns how
    // many fields are not blank.
    int GetAddress(DWORD& dwAddress) const;
    void ClearAddress();
};
