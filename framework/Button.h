// A push button. Everything it needs (enable, show, text) is CWnd's.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
};
