// The edit dialog: one mapping's device address, device port, COM port and
// protocol. New mode (m_comNumber 0) offers the free COM numbers; edit mode
// shows the mapping's COM number as a fixed label.
//
// Modal contract: set the value members, DoModal, and read them back only
// after IDOK. The dialog validates nothing beyond having a COM port to give.
#pragma once

#include <string>

#include "framework/Framework.h"

class CTandrelDlg;

class CDlgEditRec : public CDialog {
public:
    explicit CDlgEditRec(CTandrelDlg* pParent);

    DWORD m_ip;           // device IPv4 address, first byte most significant
    WORD m_port;          // device port
    int m_comNumber;      // 0: new mode, set at OK from the chosen COM item
    int m_protocolIndex;  // 0 "TCP", 1 "UDP"; -1 when no item is selected at OK
    // 256 flags: COM numbers that new mode must not offer. Read only.
    const BYTE* m_pComInUse;
    // Shown in the protocol field when m_protocolIndex names no item, so that
    // a kind the list has no item for (the Telnet client) stays visible.
    std::string m_unlistedProtocol;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    // Called for the Find button: searches the network for a device and
    // takes its address.
    void OnFind();
    // Called for the Configure button: opens the entered device's web page.
    void OnConfigure();

    CComboBox m_cbProtocol;
    CStatic m_stComPort;
    CComboBox m_cbComPort;
    CIPAddressCtrl m_ipAddress;
    CEdit m_edPort;

    DECLARE_MESSAGE_MAP()

private:
    void FillComList();
    bool TakeChosenComNumber();
};
