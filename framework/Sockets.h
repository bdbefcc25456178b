// Process-wide start of Windows Sockets.
#pragma once

#include <windows.h>

// Starts Windows Sockets (version 1.1 is asked for) once for the process and
// arranges its clean-up at exit. FALSE when the sockets layer is unavailable.
BOOL AfxSocketInit();
