// The port list window's commands: New, Edit, Delete, Configure QV, Apply,
// OK, Cancel and selection changes. Apply is enabled exactly while there are
// changes not yet applied (m_bModified).
#include <string>

#include "editdlg/DeviceWebPage.h"
#include "editdlg/cDlgEditRec.h"
#include "mapping/FormatText.h"
#include "mapping/ProtocolItem.h"
#include "mapping/RowText.h"
#include "portlist/TandrelDlg.h"

void CTandrelDlg::OnNew()
{
    CDlgEditRec dlg(this);
    const std::array<BYTE, 256> notOffered = ComNumbersNotOffered();
    dlg.m_pComInUse = notOffered.data();
    if (dlg.DoModal() != IDOK) return;

    const int mode = KindOfProtocolItem(dlg.m_protocolIndex, ProtocolTcpClient);
    AddRowAndSelect(FormatRow(dlg.m_comNumber, dlg.m_ip, dlg.m_port, mode));
    SetModified(true);
}

void CTandrelDlg::OnEdit()
{
    if (!HasSelection()) return;
    const PortRecord record = RowRecord(-1);

    CDlgEditRec dlg(this);
    dlg.m_ip = record.ipa;
    dlg.m_port = record.net_port;
    dlg.m_comNumber = record.com_port;
    dlg.m_protocolIndex = ProtocolItemOfKind(record.mode);
    if (dlg.m_protocolIndex == kNoProtocolItem) dlg.m_unlistedProtocol = ProtocolLabel(record.mode);
    if (dlg.DoModal() != IDOK) return;

    // A kind the list has no item for stays as it was unless an item was chosen.
    const std::string row = FormatRow(dlg.m_comNumber, dlg.m_ip, dlg.m_port,
                                      KindOfProtocolItem(dlg.m_protocolIndex, record.mode));
    m_list.DeleteString(static_cast<UINT>(m_list.GetCurSel()));
    AddRowAndSelect(row);
    SetModified(true);
}

void CTandrelDlg::OnDelete()
{
    if (!HasSelection()) return;
    const int com_port = RowRecord(-1).com_port;
    if (AfxMessageBox(FormatText("Delete COM%d?", com_port).c_str(), MB_YESNO) != IDYES) return;
    m_list.DeleteString(static_cast<UINT>(m_list.GetCurSel()));
    OnListSelChange();
    SetModified(true);
}

void CTandrelDlg::OnConfigureDevice()
{
    if (!HasSelection()) return;
    const DWORD ipa = RowRecord(-1).ipa;
    if (ipa != 0) OpenDeviceWebPage(ipa);
}

void CTandrelDlg::OnListSelChange()
{
    const BOOL selected = HasSelection();
    m_btnEdit.EnableWindow(selected);
    m_btnConfigure.EnableWindow(selected);
    m_btnDelete.EnableWindow(selected);
}

void CTandrelDlg::OnApply()
{
    // Changes that could not be saved stay pending, so that OK and Cancel
    // do not drop them without a word.
    if (ApplyToConnector() != ApplyOutcome::NotSaved) SetModified(false);
}

void CTandrelDlg::OnOK()
{
    if (m_bModified && ApplyToConnector() == ApplyOutcome::NotSaved) return;
    CDialog::OnOK();
}

void CTandrelDlg::OnCancel()
{
    if (m_bModified && AfxMessageBox("Discard changes?", MB_YESNO) != IDYES) return;
    CDialog::OnCancel();
}

std::array<BYTE, 256> CTandrelDlg::ComNumbersNotOffered() const
{
    std::array<BYTE, 256> notOffered;
    std::copy(m_comInUse, m_comInUse + 256, notOffered.begin());
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const int com_port = RowRecord(i).com_port;
        if (com_port > 0 && com_port < 256) notOffered[static_cast<size_t>(com_port)] = 1;
    }
    return notOffered;
}

bool CTandrelDlg::HasSelection() const { return m_list.GetCurSel() != LB_ERR; }

void CTandrelDlg::AddRowAndSelect(const std::string& row)
{
    m_list.SetCurSel(m_list.AddString(row.c_str()));
}

void CTandrelDlg::SetModified(bool modified)
{
    m_bModified = modified;
    m_btnApply.EnableWindow(modified ? TRUE : FALSE);
}
