// An image list, owned: destroyed with the object.
#pragma once

#include <windows.h>

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Loads bitmap resource nBitmapID as a strip of images cx pixels wide;
    // pixels of colour crMask are transparent. nGrow: room added at a time.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    int GetImageCount() const;

    HIMAGELIST m_hImageList = nullptr;
};
