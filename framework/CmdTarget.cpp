#include "framework/CmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    const bool matchesControl = (message == WM_COMMAND || message == WM_NOTIFY);
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handler != nullptr; ++entry) {
            if (entry->message != message) continue;
            if (matchesControl && (entry->code != code || entry->id != id)) continue;
            return entry;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr) return false;
    entry->handler(this, MAKEWPARAM(id, code), 0);
    return true;
}

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (m_waitCursorDepth++ == 0) m_hCursorBeforeWait = previous;
}

void CCmdTarget::EndWaitCursor()
{
    if (m_waitCursorDepth == 0) return;
    if (--m_waitCursorDepth == 0) {
        ::SetCursor(m_hCursorBeforeWait ? m_hCursorBeforeWait : ::LoadCursor(nullptr, IDC_ARROW));
    }
}
