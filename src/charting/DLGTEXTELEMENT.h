// One entry of a text table of the chart property window: a control id and its text. Id -1 is the
// window's caption, -2 the title of the page's tab, any other id the control of that id in the page.
#pragma once

#include "framework/CArray.h"
#include "framework/CString.h"

struct DLGTEXTELEMENT
{
    int iId = 0;
    CString strText;
};

using DlgTextTable = CArray<DLGTEXTELEMENT>;

constexpr int DLGTEXT_CAPTION = -1;
constexpr int DLGTEXT_TAB_TITLE = -2;

// The German texts of the curve, axis and chart pages, installed for every language.
void GetDefaultCurvePageTexts(DlgTextTable& table);
void GetDefaultAxisPageTexts(DlgTextTable& table);
void GetDefaultChartPageTexts(DlgTextTable& table);
