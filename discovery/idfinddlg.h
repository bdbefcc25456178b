// The device finder: searches the local network for devices and hands back
// the address of the one the user picks. A search broadcasts a
// DiscoveryQuery from every endpoint, then, on three ticks of a 1500 ms
// timer, a KnownDevicesQuery listing what has been heard so far. Replies are
// merged into the tree whenever they arrive.
//
// Modal contract: construct with the edit dialog, DoModal, and read
// m_foundIp only when it returned IDOK (0 means the device had no address).
#pragma once

#include <cstddef>
#include <cstdint>

#include "discovery/DeviceTree.h"
#include "discovery/DeviceTreeCtrl.h"
#include "discovery/DiscoverySocket.h"
#include "discovery/EndpointSet.h"
#include "framework/Framework.h"

class CIdFindDlg : public CDialog, public DiscoveryReplyOwner {
public:
    explicit CIdFindDlg(CWnd* pParent);
    // Closes the endpoints, then frees the devices.
    ~CIdFindDlg() override;

    // Every datagram of every endpoint. Datagrams that arrive once the
    // window is gone (the dialog still exists while its caller finishes) are
    // dropped: there is no tree control left to show them.
    void HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source) override;

    DWORD m_foundIp;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // OK: takes the selected device's address; without a selection, says so.
    void OnOK() override;

    // Called for Search Again: empties the tree and searches anew.
    void OnSearchAgain();
    // Called on each tick of the poll timer.
    void OnTimer(UINT_PTR nIDEvent);

    EndpointSet m_endpoints;
    CImageList m_images;
    CDeviceTreeCtrl m_tree;
    DeviceTree m_devices;
    CButton m_btnSearchAgain;
    UINT_PTR m_timerId;
    int m_ticks;

    DECLARE_MESSAGE_MAP()

private:
    void StartPollTimer();
};
