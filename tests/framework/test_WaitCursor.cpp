#include "framework/CWaitCursor.h"

#include <gtest/gtest.h>

TEST(WaitCursor, ShowsTheWaitCursorWhileItLives)
{
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    ::SetCursor(hArrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), hArrow);
}
