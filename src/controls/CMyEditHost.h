// What a filtering edit field needs of its page: the interface language its numbers follow and the
// report of each edit. The page (or the main frame) implements it. User-interface thread only.
#pragma once

class CMyEdit;

class CMyEditHost
{
public:
    virtual ~CMyEditHost() = default;

    // The current interface language as its string-id offset (0 German, 1000 English, 2000 French).
    virtual int GetLanguageOffset() = 0;
    // The text of edit changed; bChanged is what CMyEdit::CheckChange judged.
    virtual void OnMyEditChange(CMyEdit* pEdit, bool bChanged) = 0;
};
