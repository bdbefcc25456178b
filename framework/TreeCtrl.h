// A tree view control: thin wrappers of its messages.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/Wnd.h"

class CImageList;

class CTreeCtrl : public CWnd {
public:
    // Inserts an item under hParent (TVI_ROOT: the top level) after
    // hInsertAfter (TVI_LAST: at the end); null on failure.
    HTREEITEM InsertItem(const char* text, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, const char* text);
    BOOL SelectItem(HTREEITEM hItem);
    HTREEITEM GetSelectedItem() const;
    BOOL DeleteAllItems();
    // Attaches an image list (TVSIL_NORMAL or TVSIL_STATE); returns the
    // list it replaces. The control does not take ownership.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType);
};
