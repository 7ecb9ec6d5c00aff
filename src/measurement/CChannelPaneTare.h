// What the measure-configuration page needs of a channel pane: taking off an applied tare when the
// channel's unit or sign changes. The channel panes implement it; a pane that does not yet answers
// through this class's do-nothing operation. User-interface thread only.
#pragma once

class CWnd;

class CChannelPaneTare
{
public:
    virtual ~CChannelPaneTare() = default;

    // The pane window as this class, or an object that does nothing when it is none (or null).
    static CChannelPaneTare& FromWindow(CWnd* pPane);

    // When a tare is applied, the same as pressing the pane's Tara button (the tare is taken off).
    virtual void RemoveTare() {}
};
