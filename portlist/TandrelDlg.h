// The port list window: one row per mapping of the connector configuration,
// the table of COM numbers that new mappings must not take, and the commands
// that change the rows and apply them.
#pragma once

#include <array>
#include <string>

#include "framework/Framework.h"
#include "mapping/PortRecord.h"

// What an apply sequence achieved.
enum class ApplyOutcome {
    Applied,       // the rows were written (the control program may have failed)
    NotInstalled,  // no control program path: nothing was run or written
    NotSaved,      // the rows could not all be written to the connector configuration
};

class CTandrelDlg : public CDialog {
public:
    explicit CTandrelDlg(CWnd* pParent = nullptr);

    // Reads the row at index (-1: the selected row, which must exist) back
    // into the four values of its mapping.
    void ParseRow(int index, int& com_port, DWORD& ipa, WORD& net_port, int& mode) const;
    // The same as one record.
    PortRecord RowRecord(int index) const;

    // Writes one mapping to the connector configuration as sub-key
    // "QVCOM<n>" and marks its COM number in use, whether or not the writes
    // succeeded. Returns false when the mapping could not be written.
    bool WriteMapping(int com_port, DWORD ipa, WORD net_port, int mode);

    // Makes the connector configuration match the rows: runs the control
    // program with "disable", deletes every sub-key, writes one per row in
    // list order, runs it with "enable". Shows its own messages.
    ApplyOutcome ApplyToConnector();

    // Entry n non-zero: COM n exists or is mapped, and New must not offer it.
    // 256 entries; entries are set, never cleared, while the window exists.
    const BYTE* ComInUse() const { return m_comInUse; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // OK applies pending changes, then closes.
    void OnOK() override;
    // Cancel closes, after asking whether pending changes may be discarded.
    void OnCancel() override;

    // Called for system-menu commands: the about item opens the about box.
    void OnSysCommand(UINT nID, LPARAM lParam);
    // Called to paint; draws the icon centred while the window is minimised.
    void OnPaint();
    // Called when the minimised window is dragged: the icon is the drag image.
    HCURSOR OnQueryDragIcon();

    // Called for the port list's buttons and selection changes.
    void OnConfigureDevice();
    void OnDelete();
    void OnEdit();
    void OnNew();
    void OnListSelChange();
    void OnApply();

    bool m_bModified;
    BYTE m_comInUse[256];
    CButton m_btnEdit;
    CButton m_btnDelete;
    CButton m_btnConfigure;
    HICON m_hIcon;
    CListBox m_list;
    CButton m_btnApply;

    DECLARE_MESSAGE_MAP()

private:
    void MarkExistingComPorts();
    void LoadMappings();
    void AddAboutMenuItem();

    // The numbers New must not offer: m_comInUse, and the COM numbers that
    // rows already carry (a second row for the same number would be lost when
    // both are written to the same sub-key).
    std::array<BYTE, 256> ComNumbersNotOffered() const;
    bool HasSelection() const;
    void AddRowAndSelect(const std::string& row);
    void SetModified(bool modified);
};
