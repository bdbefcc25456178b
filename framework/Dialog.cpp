#include "framework/Dialog.h"

#include <stdexcept>
#include <string>

#include "framework/DialogInitData.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_HELP, OnHelpKey)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

HWND CDialog::ModalOwner() const
{
    if (m_pParentWnd != nullptr) return m_pParentWnd->m_hWnd;
    // Without a parent, a dialog still belongs to the program's main window,
    // so that window is disabled while the dialog runs.
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd != nullptr && mainWnd != this && ::IsWindow(mainWnd->m_hWnd)) return mainWnd->m_hWnd;
    return nullptr;
}

INT_PTR CDialog::DoModal()
{
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), ModalOwner(),
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Only WM_INITDIALOG is handled here: it hands over the CDialog, which then
    // takes the window's messages through the framework's window procedure.
    // Every later message reaches this procedure only as the default path of
    // that window procedure, and gets the dialog manager's default processing.
    if (message != WM_INITDIALOG) return FALSE;

    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindowProc(hWnd);
    try {
        return dialog->OnInitDialog();
    } catch (...) {
        AfxReportCurrentException();
    }
    ::EndDialog(hWnd, -1);
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    ApplyInitialisationData();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::ApplyInitialisationData()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate),
                                     MAKEINTRESOURCEA(kDialogInitResourceType));
    if (resource == nullptr) return;
    HGLOBAL loaded = ::LoadResource(instance, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) return;

    for (const DialogInitItem& item :
         ParseDialogInitData(static_cast<const unsigned char*>(data),
                             ::SizeofResource(instance, resource))) {
        ::SendDlgItemMessageA(m_hWnd, item.controlId, item.message, 0,
                              reinterpret_cast<LPARAM>(item.text.c_str()));
    }
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::BindControl(int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr) return;
    HWND control = ::GetDlgItem(m_hWnd, nIDC);
    if (control == nullptr) {
        throw std::logic_error("dialog " + std::to_string(m_nIDTemplate) + " has no control " +
                               std::to_string(nIDC));
    }
    rControl.Attach(control);
    m_boundControls.push_back(&rControl);
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCmdMsg(UINT id, UINT code)
{
    if (CWnd::OnCmdMsg(id, code)) return true;
    // Commands the dialog does not handle go on to the application.
    CWinApp* app = AfxGetApp();
    return code == 0 && app != nullptr && app->OnCmdMsg(id, code);
}

LRESULT CDialog::OnHelpKey(WPARAM, LPARAM)
{
    OnCmdMsg(ID_HELP, 0);
    return TRUE;
}

void CDialog::PostNcDestroy()
{
    // The controls died with the dialog; their objects must not keep handles
    // that Windows may hand out again.
    for (CWnd* control : m_boundControls) control->Detach();
    m_boundControls.clear();
}
