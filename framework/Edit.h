// An edit control. Its text is CWnd's window text.
#pragma once

#include "framework/Wnd.h"

class CEdit : public CWnd {
};
