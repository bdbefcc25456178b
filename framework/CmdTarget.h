// The root of every object that has a message map: windows and the application.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    virtual const MessageMap* GetMessageMap() const;

    // Runs the handler of a WM_COMMAND (command id, notification code) from
    // this object's map chain. Returns false when no entry handles it.
    virtual bool OnCmdMsg(UINT id, UINT code);

    // Shows the hourglass over work that blocks the user-interface thread;
    // EndWaitCursor puts back the cursor that was shown before.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    static const MessageMap* GetThisMessageMap();

    // The first entry in the map chain, most derived class first, that
    // handles the message. code and id are compared for WM_COMMAND and
    // WM_NOTIFY only.
    const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;

private:
    HCURSOR m_hCursorBeforeWait = nullptr;
    int m_waitCursorDepth = 0;
};
