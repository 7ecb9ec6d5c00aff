// Recording stand-ins for what the measurement classes call: the main frame, a channel pane, the
// operator panel, the diagram pane and the clock. Header-only, so that benchmarks can use them too.
#pragma once

#include "measurement/CChannelPaneFields.h"
#include "measurement/CDisplayHelper.h"
#include "measurement/CMeasureHost.h"
#include "measurement/CPipelineClock.h"
#include "measurement/CPipelineDiagram.h"
#include "measurement/CPipelinePanel.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasurePanelState.h"

#include <map>
#include <utility>
#include <vector>

class CFakeMeasureHost : public CMeasureHost
{
public:
    int m_iLanguageOffset = 0;
    const ChannelSettingsStruct* m_psChannel = nullptr;
    std::map<char, CString> m_measurandNames;
    BYTE m_abTreeState[2] = {0xEE, 0xEE};
    bool m_bFirstPairSeen = false;
    std::vector<std::pair<double, double>> m_pairs;

    int GetLanguageOffset() override { return m_iLanguageOffset; }
    const ChannelSettingsStruct* GetChannels() override { return m_psChannel; }
    CString GetMeasurandName(char cTypeClass) override
    {
        const auto it = m_measurandNames.find(cTypeClass);
        return it == m_measurandNames.end() ? CString("n.a.") : it->second;
    }
    void SetChannelTreeState(int iChannel, BYTE byShown) override { m_abTreeState[iChannel & 1] = byShown; }
    void RecordValuePair(double dValueA, double dValueB) override { m_pairs.emplace_back(dValueA, dValueB); }
    bool IsFirstPairSeen() override { return m_bFirstPairSeen; }
};

// Shows each text as the channel pane does: the number followed by the channel's selected unit.
// With m_bThrottle a written field stays blocked until the test makes it ready again.
class CFakeChannelPane : public CChannelPaneFields
{
public:
    CFakeChannelPane(int iChannel, CMeasureHost* pHost) : m_iChannel(iChannel)
    {
        m_helper.m_pMainFrame = pHost;
    }

    bool m_abReady[4] = {true, true, true, true};
    bool m_bThrottle = false;
    CString m_astrText[4];
    int m_aiWrites[4] = {};

    bool IsFieldReady(int iField) override { return m_abReady[iField]; }
    void SetValueText(CString strText) override { Show(FIELD_VALUE, strText); }
    void SetTareText(CString strText) override { Show(FIELD_TARE, strText); }
    void SetMinText(CString strText) override { Show(FIELD_MIN, strText); }
    void SetMaxText(CString strText) override { Show(FIELD_MAX, strText); }

    int Writes() const { return m_aiWrites[0] + m_aiWrites[1] + m_aiWrites[2] + m_aiWrites[3]; }

private:
    void Show(int iField, const CString& strText)
    {
        m_astrText[iField] =
            m_helper.FormatByTypeClass(m_iChannel, strText, nullptr, CDisplayHelper::MODE_APPEND_UNIT,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        ++m_aiWrites[iField];
        if (m_bThrottle)
            m_abReady[iField] = false;
    }

    int m_iChannel;
    CDisplayHelper m_helper;
};

// The stop of a measurement clears the running and trigger-cycle flags, as the protocol's stop does.
class CFakePanel : public CPipelinePanel
{
public:
    MeasurePanelState m_state;
    BYTE m_bStartMarker = 1;
    int m_iStarts = 0;
    int m_iStops = 0;

    const MeasurePanelState& GetPanelState() override { return m_state; }
    void SetStartMarker(BYTE bMarker) override { m_bStartMarker = bMarker; }
    void OnBtnMeasureStart() override { ++m_iStarts; }
    void OnBtnMeasureStop() override
    {
        ++m_iStops;
        m_state.bRunning = 0;
        m_state.bTriggerActive = 0;
    }
};

class CFakeDiagram : public CPipelineDiagram
{
public:
    int m_iPointsY1 = 0;
    int m_iPointsY2 = 0;

    int GetPointsY1() override { return m_iPointsY1; }
    int GetPointsY2() override { return m_iPointsY2; }
};

class CFakeClock : public CPipelineClock
{
public:
    __time64_t m_tNow = 1700000000;

    __time64_t Now() override { return m_tNow; }
};
