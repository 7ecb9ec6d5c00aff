#include "framework/CRect.h"

#include <gtest/gtest.h>

namespace
{
void ExpectRect(const CRect& r, int l, int t, int rr, int b)
{
    EXPECT_EQ(r, CRect(l, t, rr, b)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}
} // namespace

TEST(CRect, Operations)
{
    const CRect a(10, 20, 110, 70);
    EXPECT_EQ(a.Width(), 100);
    EXPECT_EQ(a.Height(), 50);
    EXPECT_EQ(a.Size(), CSize(100, 50));
    EXPECT_EQ(a.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(a.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(a.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(a.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(a.PtInRect(CPoint(110, 20))); // right and bottom lie outside
    EXPECT_FALSE(a.PtInRect(CPoint(50, 70)));

    struct Case
    {
        CRect actual;
        CRect expected;
    };
    const CRect b(100, 60, 200, 100);
    const CRect distant(500, 500, 600, 600);
    const Case cases[] = {
        {a & b, CRect(100, 60, 110, 70)},
        {a & distant, CRect(0, 0, 0, 0)},
        {a | b, CRect(10, 20, 200, 100)},
        {a | CRect(), a},
        {a + CPoint(5, -5), CRect(15, 15, 115, 65)},
        {a - CSize(10, 20), CRect(0, 0, 100, 50)},
        {a + CRect(1, 2, 3, 4), CRect(9, 18, 113, 74)},
        {a - CRect(1, 2, 3, 4), CRect(11, 22, 107, 66)},
        {CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6)},
        {CRect(CPoint(1, 2), CPoint(3, 4)), CRect(1, 2, 3, 4)},
    };
    for (const Case& c : cases)
        ExpectRect(c.actual, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom);

    CRect r(a);
    r.InflateRect(2, 3);
    ExpectRect(r, 8, 17, 112, 73);
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, a);
    r.InflateRect(1, 2, 3, 4);
    ExpectRect(r, 9, 18, 113, 74);
    r.DeflateRect(1, 2, 3, 4);
    r.OffsetRect(-10, -20);
    ExpectRect(r, 0, 0, 100, 50);
    r += CPoint(1, 1);
    r -= CSize(1, 1);
    r &= CRect(50, 0, 150, 25);
    ExpectRect(r, 50, 0, 100, 25);
    r |= CRect(0, 0, 10, 10);
    ExpectRect(r, 0, 0, 100, 25);

    r.SetRect(30, 40, 10, 20);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    ExpectRect(r, 10, 20, 30, 40);
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_FALSE(r.IsRectNull());
    EXPECT_FALSE(r.IntersectRect(&r, &distant));
    EXPECT_TRUE(r.IsRectNull());

    CRect empty(5, 5, 5, 10);
    EXPECT_TRUE(empty.IsRectEmpty());
    EXPECT_FALSE(empty.IsRectNull());
    empty.SetRectEmpty();
    EXPECT_TRUE(empty.IsRectNull());
}

TEST(CRect, CornersAndWin32Interop)
{
    CRect r(0, 0, 10, 10);
    r.TopLeft() = CPoint(2, 3);
    r.BottomRight() += CSize(5, 5);
    ExpectRect(r, 2, 3, 15, 15);

    RECT raw;
    SetRect(&raw, 1, 2, 3, 4);
    CRect fromRaw(&raw);
    EXPECT_EQ(fromRaw, raw);
    LPRECT p = r;
    CopyRect(p, &raw);
    EXPECT_EQ(r, fromRaw);
    LPCRECT cp = static_cast<const CRect&>(r);
    EXPECT_EQ(cp->right, 3);

    CPoint pt(1, 2);
    pt += CSize(1, 1);
    pt -= CPoint(1, 0);
    EXPECT_EQ(pt, CPoint(1, 3));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    EXPECT_EQ(-CPoint(1, -1), CPoint(-1, 1));
    EXPECT_EQ(CSize(1, 2) + CSize(3, 4), CSize(4, 6));
    EXPECT_NE(CSize(1, 2), CSize(2, 1));
}
