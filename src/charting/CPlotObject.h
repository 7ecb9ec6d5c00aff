// Base of every chart element: its rectangle, selection, move/resize/edit state, colour, its chart
// and the tracker shown while it is moved or resized. Serialisable through the framework's archive.
#pragma once

#include "framework/CObject.h"
#include "framework/CRect.h"
#include "framework/CRectTracker.h"

class CArchive;
class CDCEx;
class CPlotHost;

class CPlotObject : public CObject
{
    DECLARE_DYNCREATE(CPlotObject)

public:
    CPlotObject() = default;
    CPlotObject(const CPlotObject&) = default;
    CPlotObject& operator=(const CPlotObject&) = default;
    ~CPlotObject() override = default;

    // The base record: the seven flags, the rectangle as four 32-bit integers, the colour.
    void Serialize(CArchive& ar) override;
    virtual void Draw(CDCEx* pDC);
    virtual void BeginEdit();
    virtual void EndEdit();
    // Shows the tracker (hatched border, handles outside) on m_rcObject.
    virtual void BeginSize();
    virtual void EndSize();
    virtual void InvokeProperties();

    CRect m_rcObject;
    bool m_bSelected = false;
    bool m_bEditing = false;
    bool m_bCanMove = false;
    bool m_bCanResize = false;
    bool m_bSizing = false;
    bool m_bVisible = true;
    bool m_bCanEdit = true;
    bool m_bCanDelete = true; // by the user (Delete key); not archived
    COLORREF m_crColor = 0;
    CPlotHost* m_pGraph = nullptr;
    CRectTracker m_Tracker;
};

// Reads an element stored with its class by CArchive::WriteObject; raises CArchiveException for
// a class that is not a chart element.
CArchive& operator>>(CArchive& ar, CPlotObject*& pObject);

// Reads a font record, its face name cut to the record's length.
void ReadLogFont(CArchive& ar, LOGFONTA& lf);
