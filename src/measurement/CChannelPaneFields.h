// The four fields of a channel pane as the value pipeline writes them: each field may be written
// only while its ready flag is set (at most every 100 ms). The channel panes implement it.
#pragma once

#include "framework/CString.h"

class CChannelPaneFields
{
public:
    enum Field
    {
        FIELD_VALUE = 0,
        FIELD_TARE = 1,
        FIELD_MIN = 2,
        FIELD_MAX = 3,
    };

    virtual ~CChannelPaneFields() = default;

    virtual bool IsFieldReady(int iField) = 0;
    virtual void SetValueText(CString strText) = 0;
    virtual void SetTareText(CString strText) = 0;
    virtual void SetMinText(CString strText) = 0;
    virtual void SetMaxText(CString strText) = 0;
};
