#include "discovery/idfinddlg.h"

#include "res/resource.h"

namespace {

const UINT_PTR kPollTimer = 1;
const UINT kPollPeriodMs = 1500;
const int kTicksPerSearch = 3;
const int kImageWidth = 16;
const int kImageListGrowth = 4;
// No pixel of the strip has this colour, so no pixel is transparent.
const COLORREF kImageMask = RGB(16, 0, 0);

}  // namespace

BEGIN_MESSAGE_MAP(CIdFindDlg, CDialog)
    ON_BN_CLICKED(IDC_SEARCH_AGAIN, OnSearchAgain)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CIdFindDlg::CIdFindDlg(CWnd* pParent)
    : CDialog(IDD_FIND_DEVICE, pParent), m_foundIp(0), m_devices(m_tree), m_timerId(0), m_ticks(0)
{
}

CIdFindDlg::~CIdFindDlg()
{
    m_endpoints.CloseEndpoints();
}

void CIdFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVICE_TREE, m_tree);
    DDX_Control(pDX, IDC_SEARCH_AGAIN, m_btnSearchAgain);
}

BOOL CIdFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_devices.Clear();
    m_images.Create(IDB_STATE_IMAGES, kImageWidth, kImageListGrowth, kImageMask);
    m_tree.SetImageList(&m_images, TVSIL_STATE);

    m_timerId = 0;
    if (m_endpoints.OpenEndpoints(this) > 0) StartPollTimer();
    m_btnSearchAgain.EnableWindow(FALSE);
    // Each endpoint sent its first query as it was made; a second follows at once.
    m_endpoints.SendQueryAll();
    return TRUE;
}

void CIdFindDlg::StartPollTimer()
{
    m_timerId = SetTimer(kPollTimer, kPollPeriodMs, nullptr);
    m_ticks = 0;
}

void CIdFindDlg::OnSearchAgain()
{
    m_devices.Clear();
    if (m_timerId != 0) KillTimer(m_timerId);
    StartPollTimer();
    m_btnSearchAgain.EnableWindow(FALSE);
    m_endpoints.SendQueryAll();
}

void CIdFindDlg::OnTimer(UINT_PTR nIDEvent)
{
    ++m_ticks;
    m_endpoints.SendKnownDevicesAll(m_devices.KnownTails());
    if (m_ticks == kTicksPerSearch) {
        m_btnSearchAgain.EnableWindow(TRUE);
        KillTimer(m_timerId);
        m_timerId = 0;
    }
    CDialog::OnTimer(nIDEvent);
}

void CIdFindDlg::OnOK()
{
    const DeviceEntry* entry = m_tree.SelectedEntry();
    if (entry == nullptr) {
        AfxMessageBox("You must first select a device in the\nSelect a Unit in the tree.", MB_OK);
        return;
    }
    m_foundIp = entry->DeviceAddress();
    CDialog::OnOK();
}

void CIdFindDlg::HandleReply(const std::uint8_t* datagram, std::size_t length, std::uint32_t source)
{
    if (m_hWnd == nullptr) return;
    m_devices.HandleReply(datagram, length, source);
}
