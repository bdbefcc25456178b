#include "portlist/TandrelDlg.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/AboutDlg.h"
#include "mapping/ConnectorStore.h"
#include "mapping/RowText.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CTandrelDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_CONFIGURE_QV, OnConfigureDevice)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_NEW, OnNew)
    ON_LBN_SELCHANGE(IDC_PORT_LIST, OnListSelChange)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
END_MESSAGE_MAP()

CTandrelDlg::CTandrelDlg(CWnd* pParent)
    : CDialog(IDD_TANDREL_DIALOG, pParent), m_bModified(false), m_comInUse(), m_hIcon(nullptr)
{
    m_hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    MarkExistingComPorts();
}

// Physical ports and virtual ports that already exist are both taken.
void CTandrelDlg::MarkExistingComPorts()
{
    std::memset(m_comInUse, 0, sizeof(m_comInUse));
    for (int n = 1; n <= kHighestOfferedComPort; ++n) {
        char szBuffer[20];
        char szTemp[256];
        std::snprintf(szBuffer, sizeof(szBuffer), "COM%d", n);
        if (::QueryDosDeviceA(szBuffer, szTemp, sizeof(szTemp)) != 0) m_comInUse[n] = 1;
    }
}

void CTandrelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT, m_btnEdit);
    DDX_Control(pDX, IDC_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_CONFIGURE_QV, m_btnConfigure);
    DDX_Control(pDX, IDC_PORT_LIST, m_list);
    DDX_Control(pDX, IDC_APPLY, m_btnApply);
}

BOOL CTandrelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    AddAboutMenuItem();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_list.SetTabStops(10);

    LoadMappings();

    m_btnEdit.EnableWindow(FALSE);
    m_btnConfigure.EnableWindow(FALSE);
    m_btnDelete.EnableWindow(FALSE);
    m_btnApply.EnableWindow(FALSE);
    m_bModified = false;
    return TRUE;
}

void CTandrelDlg::AddAboutMenuItem()
{
    CMenu sysMenu = GetSystemMenu(FALSE);
    if (sysMenu.GetSafeHmenu() == nullptr) return;
    std::string strAboutMenu;
    AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
    if (strAboutMenu.empty()) return;
    sysMenu.AppendMenu(MF_SEPARATOR);
    sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu.c_str());
}

// Every sub-key that names a mapping becomes a row, whatever its name. A key
// that could not be opened lists nothing.
void CTandrelDlg::LoadMappings()
{
    HKEY configKey = OpenConfigKey();
    char name_buffer[256];
    for (DWORD index = 0;
         ::RegEnumKeyA(configKey, index, name_buffer, sizeof(name_buffer)) == ERROR_SUCCESS;
         ++index) {
        const int com_port = ReadMapping(configKey, m_list, name_buffer);
        if (com_port > 0) m_comInUse[ComTableIndex(com_port)] = 1;
    }
    if (configKey != nullptr) ::RegCloseKey(configKey);
}

void CTandrelDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CTandrelDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTandrelDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CTandrelDlg::ParseRow(int index, int& com_port, DWORD& ipa, WORD& net_port, int& mode) const
{
    const PortRecord record = RowRecord(index);
    com_port = record.com_port;
    ipa = record.ipa;
    net_port = record.net_port;
    mode = record.mode;
}

PortRecord CTandrelDlg::RowRecord(int index) const
{
    std::string row;
    m_list.GetText(index == -1 ? m_list.GetCurSel() : index, row);
    return ParseRowText(row);
}

bool CTandrelDlg::WriteMapping(int com_port, DWORD ipa, WORD net_port, int mode)
{
    PortRecord record;
    record.com_port = com_port;
    record.ipa = ipa;
    record.net_port = net_port;
    record.mode = static_cast<ProtocolKind>(mode);
    const bool written = StoreMapping(record);
    m_comInUse[ComTableIndex(com_port)] = 1;
    return written;
}
