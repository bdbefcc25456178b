// A static text control. Its text is CWnd's window text.
#pragma once

#include "framework/Wnd.h"

class CStatic : public CWnd {
};
