#include "framework/CInvalidArgException.h"
#include "framework/CMemoryException.h"
#include "framework/CResourceException.h"
#include "framework/CString.h"

#include <gtest/gtest.h>

namespace
{
CString MessageOf(const CException* e)
{
    char text[64] = "unchanged";
    UINT nHelp = 99;
    if (!e->GetErrorMessage(text, sizeof(text), &nHelp))
        return "none";
    EXPECT_EQ(nHelp, 0u);
    return text;
}

// Returns the exception thrown by f, still to be deleted by the caller.
template <class F> CException* Caught(F f)
{
    try
    {
        f();
    }
    catch (CException* e)
    {
        return e;
    }
    return nullptr;
}
} // namespace

TEST(CException, KindsAndMessages)
{
    struct Case
    {
        CException* e;
        const CRuntimeClass* pClass;
        const char* message;
    };
    const Case cases[] = {
        {Caught(AfxThrowMemoryException), RUNTIME_CLASS(CMemoryException), "Out of memory."},
        {Caught(AfxThrowResourceException), RUNTIME_CLASS(CResourceException),
         "A required resource was unavailable."},
        {Caught(AfxThrowInvalidArgException), RUNTIME_CLASS(CInvalidArgException),
         "Encountered an improper argument."},
    };
    for (const Case& c : cases)
    {
        ASSERT_NE(c.e, nullptr);
        EXPECT_TRUE(c.e->IsKindOf(c.pClass));
        EXPECT_TRUE(c.e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_EQ(MessageOf(c.e), c.message);
        c.e->Delete();
    }

    char small[4];
    CResourceException resource;
    EXPECT_TRUE(resource.GetErrorMessage(small, sizeof(small)));
    EXPECT_STREQ(small, "A r");
    CException plain;
    EXPECT_EQ(MessageOf(&plain), "none");
}

TEST(CException, MemoryExceptionIsOneStaticInstance)
{
    CException* first = Caught(AfxThrowMemoryException);
    first->Delete(); // no effect on the static instance
    CException* second = Caught(AfxThrowMemoryException);
    EXPECT_EQ(first, second);
    EXPECT_EQ(MessageOf(second), "Out of memory.");
    second->Delete();
}

TEST(CException, ExhaustedMemoryInContainersRaisesMemoryException)
{
    CException* e = Caught([] { CAfxAllocator<char>().allocate(static_cast<std::size_t>(1) << 62); });
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    e->Delete();
}
