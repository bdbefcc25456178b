// Everything an application of the framework includes.
#pragma once

#include "framework/Button.h"
#include "framework/CmdTarget.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "framework/ResourceString.h"
#include "framework/Sockets.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
