// Base of the framework's exceptions. They are thrown by pointer and ended with Delete():
//     catch (CException* e) { e->Delete(); }
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CObject.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    // bAutoDelete: the object lives on the heap and Delete() frees it (FALSE for static instances).
    explicit CException(BOOL bAutoDelete = TRUE);

    void Delete();

    // Copies the error text into lpszError (cut to nMaxError - 1 characters); FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

protected:
    static BOOL CopyErrorMessage(const char* text, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext);

private:
    BOOL m_bAutoDelete;
};
