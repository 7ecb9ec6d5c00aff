// Replaces message boxes for the lifetime of the object: records each box and answers from a script.
#pragma once

#include "framework/CString.h"

#include <deque>
#include <vector>

struct MessageBoxCall
{
    CString strText;
    CString strCaption;
    UINT nType;
};

class ScriptedMessageBoxes
{
public:
    // Boxes beyond the scripted answers get nDefaultAnswer.
    explicit ScriptedMessageBoxes(std::deque<int> answers = {}, int nDefaultAnswer = IDOK);
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }

private:
    std::deque<int> m_answers;
    int m_nDefaultAnswer;
    std::vector<MessageBoxCall> m_calls;
};
