#include "editdlg/cDlgEditRec.h"

#include "editdlg/DeviceWebPage.h"
#include "discovery/idfinddlg.h"
#include "editdlg/EditConversions.h"
#include "mapping/FormatText.h"
#include "mapping/PortRecord.h"
#include "portlist/TandrelDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDlgEditRec, CDialog)
    ON_BN_CLICKED(IDC_FIND, OnFind)
    ON_BN_CLICKED(IDC_CONFIGURE, OnConfigure)
END_MESSAGE_MAP()

CDlgEditRec::CDlgEditRec(CTandrelDlg* pParent)
    : CDialog(IDD_EDIT_MAPPING, pParent),
      m_ip(0),
      m_port(1000),
      m_comNumber(0),
      m_protocolIndex(0),
      m_pComInUse(pParent->ComInUse())
{
}

void CDlgEditRec::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROTOCOL, m_cbProtocol);
    DDX_Control(pDX, IDC_COM_LABEL, m_stComPort);
    DDX_Control(pDX, IDC_COM_LIST, m_cbComPort);
    DDX_Control(pDX, IDC_DEVICE_IP, m_ipAddress);
    DDX_Control(pDX, IDC_DEVICE_PORT, m_edPort);
}

BOOL CDlgEditRec::OnInitDialog()
{
    CDialog::OnInitDialog();  // adds "TCP" and "UDP" to the protocol list

    if (m_comNumber != 0) {
        m_stComPort.SetWindowText(ComItemText(m_comNumber).c_str());
        m_stComPort.ShowWindow(SW_SHOW);
        m_cbComPort.ShowWindow(SW_HIDE);
    } else {
        m_stComPort.ShowWindow(SW_HIDE);
        m_cbComPort.ShowWindow(SW_SHOW);
        FillComList();
    }

    m_cbProtocol.SetCurSel(m_protocolIndex);
    if (m_cbProtocol.GetCurSel() == CB_ERR && !m_unlistedProtocol.empty()) {
        m_cbProtocol.SetWindowText(m_unlistedProtocol.c_str());
    }

    m_edPort.SetWindowText(FormatText("%d", static_cast<int>(m_port)).c_str());
    m_ipAddress.SetAddress(m_ip);
    return TRUE;
}

// The free COM numbers in numeric order, the lowest selected.
void CDlgEditRec::FillComList()
{
    for (int n = 1; n <= kHighestOfferedComPort; ++n) {
        if (m_pComInUse[n] == 0) m_cbComPort.AddString(ComItemText(n).c_str());
    }
    m_cbComPort.SetCurSel(0);
}

void CDlgEditRec::OnOK()
{
    DWORD dw = 0;
    m_ipAddress.GetAddress(dw);
    if (m_comNumber == 0 && !TakeChosenComNumber()) return;

    m_ip = dw;
    m_protocolIndex = m_cbProtocol.GetCurSel();
    std::string portText;
    m_edPort.GetWindowText(portText);
    m_port = PortOfText(portText);
    CDialog::OnOK();
}

// New mode: the COM number comes only from the chosen list item. Without one
// there would be no COM port to write (COM0 would vanish at the next start),
// so the dialog stays open.
bool CDlgEditRec::TakeChosenComNumber()
{
    const int chosen = m_cbComPort.GetCurSel();
    if (chosen == CB_ERR) {
        const std::string text =
            m_cbComPort.GetCount() == 0
                ? FormatText("Every COM port from COM1 to COM%d is in use: there is none left "
                             "for a new mapping.",
                             kHighestOfferedComPort)
                : std::string("Choose a COM port from the list.");
        AfxMessageBox(text.c_str(), MB_OK);
        return false;
    }
    std::string item;
    m_cbComPort.GetLBText(chosen, item);
    m_comNumber = ComNumberOfItem(item);
    return true;
}

void CDlgEditRec::OnCancel() { CDialog::OnCancel(); }

void CDlgEditRec::OnConfigure()
{
    DWORD dw = 0;
    m_ipAddress.GetAddress(dw);
    if (dw == 0) {
        AfxMessageBox("You must select or enter a device IP before configuring it", MB_OK);
        return;
    }
    OpenDeviceWebPage(dw);
}

void CDlgEditRec::OnFind()
{
    CIdFindDlg dlg(this);
    if (dlg.DoModal() == IDOK && dlg.m_foundIp != 0) {
        m_ip = dlg.m_foundIp;
        m_ipAddress.SetAddress(m_ip);
        return;
    }
    // Cancelled, or a device without an address: the typed address stays.
    AfxMessageBox("IP not set", MB_OK);
}
