#include "framework/CArray.h"
#include "framework/CInvalidArgException.h"
#include "framework/CMap.h"
#include "framework/CMapStringToOb.h"
#include "framework/CMapStringToPtr.h"
#include "framework/CObArray.h"
#include "framework/CPtrArray.h"
#include "framework/CPtrList.h"
#include "framework/CStringArray.h"
#include "RaisesFrameworkException.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace
{
// A text-table entry: an id and an owned text, copied element by element.
struct TextElement
{
    int nId = 0;
    CString strText;
};

std::vector<INT_PTR> Values(const CList<INT_PTR, INT_PTR>& list)
{
    std::vector<INT_PTR> values;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        values.push_back(list.GetNext(pos));
    return values;
}

template <class TMap> std::map<CString, void*> Entries(const TMap& map)
{
    std::map<CString, void*> entries;
    CString key;
    void* value = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(entries.emplace(key, value).second) << (LPCSTR)key;
    }
    return entries;
}
} // namespace

TEST(CArray, InsertRemoveAndGrow)
{
    CArray<int, int> a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(2), 1);
    a.InsertAt(1, 9, 2); // 1 9 9 2
    a.InsertAt(6, 7);    // past the end: grows with zeros first
    ASSERT_EQ(a.GetSize(), 7);
    EXPECT_EQ(std::vector<int>(a.GetData(), a.GetData() + a.GetSize()),
              (std::vector<int>{1, 9, 9, 2, 0, 0, 7}));
    a.RemoveAt(1, 2);
    a.RemoveAt(a.GetUpperBound());
    EXPECT_EQ(std::vector<int>(a.GetData(), a.GetData() + a.GetSize()), (std::vector<int>{1, 2, 0, 0}));

    a.SetSize(2);
    a.SetAtGrow(4, 5);
    a[2] = 3;
    a.ElementAt(3) = 4;
    a.SetAt(0, 0);
    EXPECT_EQ(std::vector<int>(a.GetData(), a.GetData() + a.GetCount()), (std::vector<int>{0, 2, 3, 4, 5}));

    EXPECT_EQ(a.Append(a), 5);
    EXPECT_EQ(a.GetSize(), 10);
    EXPECT_EQ(a.GetAt(9), 5);
    a.Add(a[0]);
    EXPECT_EQ(a[10], 0);

    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)a.GetAt(11); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { a.SetAt(-1, 0); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { a.RemoveAt(10, 2); }));
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { a.SetSize(-1); }));
    EXPECT_EQ(a.GetSize(), 11);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CArray, ElementsWithTextsAreCopiedWhole)
{
    CArray<TextElement> table;
    {
        CArray<TextElement> source;
        source.Add({-1, "Achse"});
        source.Add({6010, CString("Titel\0x", 7)});
        table.Add({1, "old"});
        table.Copy(source);
    }
    ASSERT_EQ(table.GetSize(), 2);
    EXPECT_EQ(table[0].nId, -1);
    EXPECT_EQ(table[0].strText, "Achse");
    EXPECT_EQ(table[1].strText.GetLength(), 7);

    CArray<TextElement> more;
    more.Add({2, "zwei"});
    table.InsertAt(1, &more);
    EXPECT_EQ(table[1].strText, "zwei");
    EXPECT_EQ(table.GetSize(), 3);
}

TEST(CArray, NamedArrays)
{
    CStringArray texts;
    texts.Add("COM1");
    texts.Add(CString("COM2"));
    texts.SetAtGrow(3, "COM4");
    EXPECT_EQ(texts.GetSize(), 4);
    EXPECT_TRUE(texts[2].IsEmpty());
    EXPECT_TRUE(texts.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(texts.IsKindOf(RUNTIME_CLASS(CObject)));

    CObArray objects;
    CStringArray owned;
    objects.Add(&owned);
    EXPECT_EQ(objects[0], &owned);
    EXPECT_TRUE(objects.IsKindOf(RUNTIME_CLASS(CObArray)));

    CPtrArray pointers;
    int n = 0;
    pointers.Add(&n);
    pointers.Add(nullptr);
    EXPECT_EQ(pointers.GetSize(), 2);
    EXPECT_EQ(pointers[0], &n);
}

TEST(CPtrList, OrderFindAndInsert)
{
    CList<INT_PTR, INT_PTR> list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_TRUE(Raises(RUNTIME_CLASS(CInvalidArgException), [&] { (void)list.GetHead(); }));
    list.AddTail(2);
    list.AddTail(3);
    POSITION posOne = list.AddHead(1);
    EXPECT_EQ(Values(list), (std::vector<INT_PTR>{1, 2, 3}));

    POSITION posThree = list.Find(3);
    ASSERT_NE(posThree, nullptr);
    list.InsertBefore(posThree, 25);
    list.InsertAfter(posThree, 4);
    list.InsertBefore(posOne, 0);
    EXPECT_EQ(Values(list), (std::vector<INT_PTR>{0, 1, 2, 25, 3, 4}));
    EXPECT_EQ(list.Find(7), nullptr);
    EXPECT_EQ(list.Find(1, posOne), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), 25);
    EXPECT_EQ(list.FindIndex(6), nullptr);

    std::vector<INT_PTR> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back(list.GetPrev(pos));
    EXPECT_EQ(backwards, (std::vector<INT_PTR>{4, 3, 25, 2, 1, 0}));

    EXPECT_EQ(list.RemoveHead(), 0);
    EXPECT_EQ(list.RemoveTail(), 4);
    list.SetAt(list.GetHeadPosition(), 10);
    EXPECT_EQ(list.GetHead(), 10);
    EXPECT_EQ(list.GetTail(), 3);
    EXPECT_EQ(list.GetCount(), 4);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetTailPosition(), nullptr);
}

TEST(CPtrList, RemovalDuringIteration)
{
    CPtrList list;
    int items[6] = {};
    for (int& item : items)
        list.AddTail(&item);

    // Remove every other element, including the head and the tail, while walking.
    int nIndex = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++nIndex)
    {
        POSITION posCurrent = pos;
        list.GetNext(pos);
        if (nIndex % 2 == 0 || nIndex == 5)
            list.RemoveAt(posCurrent);
    }
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetHead(), &items[1]);
    EXPECT_EQ(list.GetTail(), &items[3]);
    list.AddTail(&items[0]);
    EXPECT_EQ(list.GetTail(), &items[0]);
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CPtrList)));
}

TEST(CMapStringToPtr, LookupOverwriteAndRemove)
{
    CMapStringToPtr aliases(20);
    aliases.InitHashTable(17);
    int com3 = 3;
    int com4 = 4;
    aliases.SetAt("COM3", &com3);
    aliases.SetAt("\\\\.\\COM3", &com3);
    aliases.SetAt("COM4", &com4);
    EXPECT_EQ(aliases.GetCount(), 3);

    void* p = nullptr;
    EXPECT_TRUE(aliases.Lookup("COM3", p));
    EXPECT_EQ(p, &com3);
    EXPECT_FALSE(aliases.Lookup("com3", p)); // keys are case-sensitive
    EXPECT_FALSE(aliases.Lookup("", p));

    aliases["COM4"] = &com3;
    EXPECT_EQ(aliases.GetCount(), 3);
    EXPECT_TRUE(aliases.Lookup("COM4", p));
    EXPECT_EQ(p, &com3);

    EXPECT_TRUE(aliases.RemoveKey("COM4"));
    EXPECT_FALSE(aliases.RemoveKey("COM4"));
    EXPECT_FALSE(aliases.Lookup("COM4", p));
    EXPECT_EQ(aliases.GetCount(), 2);
    aliases.RemoveAll();
    EXPECT_TRUE(aliases.IsEmpty());
    EXPECT_EQ(aliases.GetStartPosition(), nullptr);
    aliases.SetAt("COM5", &com4);
    EXPECT_TRUE(aliases.Lookup("COM5", p));
}

TEST(CMapStringToPtr, IterationVisitsEveryEntryOnceAndAllowsRemoval)
{
    CMapStringToPtr map;
    std::map<CString, void*> expected;
    static char anchor[300];
    for (int i = 0; i < 300; ++i) // many entries per bucket
    {
        CString key;
        key.Format("Port%d", i);
        map.SetAt(key, &anchor[i]);
        expected[key] = &anchor[i];
    }
    EXPECT_EQ(Entries(map), expected);

    map.InitHashTable(101); // a new bucket count keeps the entries
    EXPECT_EQ(map.GetHashTableSize(), 101u);
    EXPECT_EQ(Entries(map), expected);

    CString key;
    void* value = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        map.GetNextAssoc(pos, key, value);
        if (key.Right(1) != "7")
            map.RemoveKey(key);
    }
    EXPECT_EQ(map.GetCount(), 30);
    for (const auto& [k, v] : Entries(map))
        EXPECT_EQ(k.Right(1), "7");
}

TEST(CMap, PointerKeysAndRecordValues)
{
    struct ColorFont
    {
        COLORREF color = 0;
        bool bBold = false;
    };
    int items[3] = {};
    CMap<int*, int*, ColorFont, ColorFont&> attributes;
    attributes[&items[0]].color = RGB(255, 0, 0);
    ColorFont bold{RGB(0, 0, 255), true};
    attributes.SetAt(&items[2], bold);

    ColorFont found;
    EXPECT_TRUE(attributes.Lookup(&items[0], found));
    EXPECT_EQ(found.color, RGB(255, 0, 0));
    EXPECT_FALSE(found.bBold);
    EXPECT_TRUE(attributes.Lookup(&items[2], found));
    EXPECT_TRUE(found.bBold);
    EXPECT_FALSE(attributes.Lookup(&items[1], found));

    CMapStringToOb objects;
    CStringArray array;
    objects.SetAt("array", &array);
    CObject* pObject = nullptr;
    EXPECT_TRUE(objects.Lookup("array", pObject));
    EXPECT_EQ(pObject, &array);
    EXPECT_TRUE(objects.IsKindOf(RUNTIME_CLASS(CMapStringToOb)));
}
