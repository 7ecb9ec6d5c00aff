// The rules that keep the diagram's three axis choices of the measurement settings record consistent
// with the checked channels: the layouts of the X quantities, the refresh that keeps the operator's Y
// choices where they are still valid, and the change of one axis with the offers and fallbacks it
// causes. Quantities: 0 off, 1 time, 2 channel A, 3 channel B.
#pragma once

struct MeasureAdjustStruct;

class CDiagramAxisRules
{
public:
    // Modes of the layouts: set the layout, or keep the operator's Y choices where still valid.
    static constexpr int MODE_SET = 0;
    static constexpr int MODE_KEEP = 1;
    // ApplyXAxisRule's mode that forces X to time.
    static constexpr int MODE_FORCE_TIME = 2;
    static constexpr int AXIS_X = 0;
    static constexpr int AXIS_Y1 = 1;
    static constexpr int AXIS_Y2 = 2;

    // Mode 1 keeps the X quantity (any but 1-3 becomes time) with a MODE_KEEP layout; mode 2 sets X to
    // time with its layout; any other mode is mode 1 with MODE_SET layouts.
    static void ApplyXAxisRule(MeasureAdjustStruct& s, int iMode);
    static void SetAxisLayoutTime(MeasureAdjustStruct& s, int iMode);
    static void SetAxisLayoutChannelA(MeasureAdjustStruct& s, int iMode);
    static void SetAxisLayoutChannelB(MeasureAdjustStruct& s, int iMode);
    // The operator chose quantity iQuantity for iAxis (0 X, 1 Y1, 2 Y2). A new X quantity (against
    // iLastAxisX, which follows it) gets its layout; a Y choice withdraws its channel from the other Y
    // list and offers the one it replaced there again; a plot left without a Y channel gets one.
    static void ChangeAxisQuantity(MeasureAdjustStruct& s, int& iLastAxisX, int iAxis, int iQuantity);

    // The averaging count typed: the integer part, 0 (or less) taken as 1.
    static int ReadAveragingCount(double dValue);
    // A count outside 1 to 9999 becomes 1.
    static int LimitAveragingCount(int iCount);
};
