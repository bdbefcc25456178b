// CDialog: a modal dialog built from a template in the resource script.
//
// Modal contract: the caller sets the dialog's input members, calls DoModal,
// and reads the output members only when DoModal returned IDOK. OnOK ends the
// dialog with IDOK, OnCancel (Cancel button, Escape, close box) with IDCANCEL.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog until it ends; returns the code it ended with (IDOK,
    // IDCANCEL), or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();

    // Exchanges data between members and controls (see CDataExchange).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void EndDialog(int nResult);

    // Attaches rControl to control nIDC of this dialog; used by DDX_Control.
    void BindControl(int nIDC, CWnd& rControl);

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // Called when the dialog's controls exist and before it is shown. The base
    // fills controls from the template's initialisation data, binds the
    // controls and returns TRUE (the focus goes to the first control).
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    bool OnCmdMsg(UINT id, UINT code) override;

    // F1: the standard Help command, through this dialog's map and then the
    // application's.
    LRESULT OnHelpKey(WPARAM wParam, LPARAM lParam);

    void PostNcDestroy() override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;
    void ApplyInitialisationData();

    std::vector<CWnd*> m_boundControls;
};
