// The port list that the start-up dialog mirrors its search progress into: one progress cell per port
// row in the status column. The sensor-connection page's list plays it.
#pragma once

class CSearchProgressList
{
public:
    virtual ~CSearchProgressList() = default;

    virtual int GetProgressRowCount() = 0;
    // The row's status cell becomes a progress cell at 0 percent that shows its percentage as text.
    virtual void BeginRowProgress(int iRow) = 0;
    virtual void SetRowProgress(int iRow, int iPercent) = 0;
    // The status cell shows its text again.
    virtual void EndRowProgress(int iRow) = 0;
};
