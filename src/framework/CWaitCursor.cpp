#include "framework/CWaitCursor.h"

CWaitCursor::CWaitCursor() : m_hOldCursor(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor()
{
    ::SetCursor(m_hOldCursor);
}
