// The LED button: owner-drawn whatever its template style, each state painted with its own lamp, states
// out of range ignored, the icon at the right with BS_LEFTTEXT, flashing back to the rest state and the
// state filter.
#include "ClientPicture.h"

#include "controls/CLedButton.h"
#include "controls/CLedStateFilter.h"
#include "resources/resource_led.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int kWidth = 80;
constexpr int kHeight = 24;
constexpr int kIconTop = (kHeight - 16) / 2;
// Lamp pixels of the icons: the body (lower right) and the bright spot (upper left).
constexpr POINT kBody = {10, 10};
constexpr POINT kSpot = {6, 6};

class LedButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_parent.CreateEx(0, nullptr, "leds", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(m_led.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, kWidth, kHeight),
                                 &m_parent, 1158));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The trigger light: off, green, yellow; and a red fourth state.
    void SetFourLamps()
    {
        m_led.SetStateCount(4, false);
        const UINT ids[4] = {IDI_LED_OFF, IDI_LED_GREEN, IDI_LED_YELLOW, IDI_LED_RED};
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(m_led.SetStateIcon(i, ids[i], 0, 0)) << i;
    }

    CWnd m_parent;
    CLedButton m_led;
};

TEST_F(LedButton, AttachingMakesTheButtonOwnerDrawnAndKeepsItSo)
{
    EXPECT_EQ(m_led.GetStyle() & 0x0F, (DWORD)BS_OWNERDRAW);
    m_led.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(m_led.GetStyle() & 0x0F, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(m_led.GetStateCount(), 2);
    EXPECT_EQ(m_led.GetState(), 0);
}

TEST_F(LedButton, EachStatePaintsItsLamp)
{
    SetFourLamps();
    EXPECT_EQ(m_led.GetStateData(1).iIconWidth, 16);
    EXPECT_EQ(m_led.GetStateData(1).iIconHeight, 16);
    struct Lamp
    {
        COLORREF crBody, crSpot;
    } lamps[4] = {{RGB(128, 128, 128), RGB(192, 192, 192)},
                  {RGB(0, 128, 0), RGB(0, 255, 0)},
                  {RGB(128, 128, 0), RGB(255, 255, 0)},
                  {RGB(128, 0, 0), RGB(255, 0, 0)}};
    const char* names[4] = {"led_off", "led_green", "led_yellow", "led_red"};
    for (int i = 0; i < 4; ++i)
    {
        m_led.SetState(i);
        ASSERT_EQ(m_led.GetState(), i);
        CClientPicture picture(m_led.m_hWnd, names[i]);
        EXPECT_EQ(picture.At(kBody.x, kIconTop + kBody.y), lamps[i].crBody) << i;
        EXPECT_EQ(picture.At(kSpot.x, kIconTop + kSpot.y), lamps[i].crSpot) << i;
        // Around the round lamp, and right of the icon, the button face.
        EXPECT_EQ(picture.At(0, kIconTop), ::GetSysColor(COLOR_BTNFACE)) << i;
        EXPECT_EQ(picture.At(40, 2), ::GetSysColor(COLOR_BTNFACE)) << i;
    }

    m_led.SetState(1);
    m_led.EnableWindow(FALSE);
    CClientPicture disabled(m_led.m_hWnd, "led_disabled");
    EXPECT_NE(disabled.At(kBody.x, kIconTop + kBody.y), RGB(0, 128, 0));
    EXPECT_NE(disabled.At(kSpot.x, kIconTop + kSpot.y), RGB(0, 255, 0));
}

TEST_F(LedButton, LeftTextPutsTheLampAtTheRightEdge)
{
    CLedButton led;
    ASSERT_TRUE(led.Create("Trigger", WS_CHILD | WS_VISIBLE | BS_CHECKBOX | BS_LEFTTEXT,
                           CRect(0, 30, kWidth, 30 + kHeight), &m_parent, 1157));
    ASSERT_TRUE(led.SetStateIcon(1, IDI_LED_GREEN));
    led.SetState(1);
    CClientPicture picture(led.m_hWnd, "led_lefttext");
    EXPECT_EQ(picture.At(kWidth - 16 + kBody.x, kIconTop + kBody.y), RGB(0, 128, 0));
    EXPECT_NE(picture.At(kBody.x, kIconTop + kBody.y), RGB(0, 128, 0));
}

TEST_F(LedButton, StatesOutOfRangeAreIgnoredButRedrawn)
{
    SetFourLamps();
    m_led.SetStateCount(3, false);
    EXPECT_EQ(m_led.GetStateData(1).hIcon, nullptr);
    m_led.SetState(2);
    m_parent.ShowWindow(SW_SHOW);
    m_led.UpdateWindow();
    EXPECT_FALSE(::GetUpdateRect(m_led.m_hWnd, nullptr, FALSE));
    for (int iState : {5, 3, -1})
    {
        m_led.SetState(iState);
        EXPECT_EQ(m_led.GetState(), 2) << iState;
        EXPECT_TRUE(::GetUpdateRect(m_led.m_hWnd, nullptr, FALSE)) << iState;
        m_led.UpdateWindow();
    }
    EXPECT_FALSE(m_led.SetStateIcon(3, IDI_LED_RED));
    EXPECT_FALSE(m_led.SetStateIcon(-1, IDI_LED_RED));
    // An icon that does not load leaves the state without one and says so.
    EXPECT_TRUE(m_led.SetStateIcon(0, IDI_LED_RED));
    EXPECT_FALSE(m_led.SetStateIcon(0, 4711));
    EXPECT_EQ(m_led.GetStateData(0).hIcon, nullptr);
    EXPECT_EQ(m_led.GetStateData(0).iIconWidth, 0);
}

class CRecordingFilter : public CLedStateFilter
{
public:
    struct Call
    {
        int iRequested, iCurrent, iFlag;
    };
    std::vector<Call> m_calls;
    int FilterState(int iRequested, int iCurrent, int iFlag) override
    {
        m_calls.push_back({iRequested, iCurrent, iFlag});
        return iRequested == 2 ? 1 : iRequested;
    }
};

TEST_F(LedButton, FlashReturnsToTheRestStateAndTheFilterDecides)
{
    SetFourLamps();
    m_led.SetFlash(77, 20, 0);
    m_led.SetState(3);
    EXPECT_EQ(m_led.GetState(), 3);
    EXPECT_TRUE(PumpUntil([&] { return m_led.GetState() == 0; }));

    m_led.SetFlash(0, 150, 0);
    CRecordingFilter filter;
    m_led.SetStateFilter(&filter);
    m_led.SetState(2, 9);
    EXPECT_EQ(m_led.GetState(), 1);
    ASSERT_EQ(filter.m_calls.size(), 1u);
    EXPECT_EQ(filter.m_calls[0].iRequested, 2);
    EXPECT_EQ(filter.m_calls[0].iCurrent, 0);
    EXPECT_EQ(filter.m_calls[0].iFlag, 9);
    m_led.SetStateFilter(nullptr);
}
} // namespace
