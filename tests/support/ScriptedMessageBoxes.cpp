#include "support/ScriptedMessageBoxes.h"

#include "framework/CWinApp.h"

ScriptedMessageBoxes::ScriptedMessageBoxes(std::deque<int> answers, int nDefaultAnswer)
    : m_answers(std::move(answers)), m_nDefaultAnswer(nDefaultAnswer)
{
    AfxSetMessageBoxHook(
        [this](HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
        {
            m_calls.push_back({lpszText, lpszCaption ? lpszCaption : "", nType});
            if (m_answers.empty())
                return m_nDefaultAnswer;
            const int nAnswer = m_answers.front();
            m_answers.pop_front();
            return nAnswer;
        });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    AfxSetMessageBoxHook(nullptr);
}
