#include "framework/DataExchange.h"

#include "framework/Dialog.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    pDX->m_pDlgWnd->BindControl(nIDC, rControl);
}
