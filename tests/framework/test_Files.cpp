#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFileException.h"
#include "framework/CFileFind.h"
#include "framework/COleDateTime.h"
#include "framework/CStdioFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
// A fresh directory under the temp folder for each test, removed with its files afterwards.
class FilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strDir.Format("%sTQ5FilesTest%lu", szTemp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_strDir, nullptr);
    }
    void TearDown() override
    {
        CFileFind finder;
        BOOL bMore = finder.FindFile(m_strDir + "\\*.*");
        while (bMore)
        {
            bMore = finder.FindNextFile();
            if (!finder.IsDots())
                ::DeleteFileA(finder.GetFilePath());
        }
        finder.Close();
        ::RemoveDirectoryA(m_strDir);
    }
    CString Path(LPCSTR lpszName) const { return m_strDir + "\\" + lpszName; }
    std::string ReadBytes(LPCSTR lpszName) const
    {
        CFile file(Path(lpszName), CFile::modeRead);
        std::string bytes((size_t)file.GetLength(), '\0');
        file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }

    CString m_strDir;
};

// A serialisable object for the archive's object round trip.
class CArchivedPoint : public CObject
{
    DECLARE_DYNCREATE(CArchivedPoint)

public:
    int m_x = 0;
    double m_y = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x << m_y;
        else
            ar >> m_x >> m_y;
    }
};
IMPLEMENT_DYNCREATE(CArchivedPoint, CObject)
} // namespace

TEST_F(FilesTest, StdioFileWritesAndReadsTextLines)
{
    const CString strLong(CString('x', 300));
    {
        CStdioFile file(Path("lines.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("Drehmoment N·m\n");
        file.WriteString("\n");
        file.WriteString(strLong + "\n");
        file.WriteString("ohne Zeilenende");
        file.Close();
    }
    EXPECT_EQ(ReadBytes("lines.txt"),
              "Drehmoment N\xB7m\r\n\r\n" + std::string(300, 'x') + "\r\nohne Zeilenende");

    CStdioFile file;
    ASSERT_TRUE(file.Open(Path("lines.txt"), CFile::modeRead | CFile::typeText));
    CString strLine;
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLine, "Drehmoment N\xB7m");
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLine, "");
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLine, strLong);
    ASSERT_TRUE(file.ReadString(strLine));
    EXPECT_EQ(strLine, "ohne Zeilenende");
    EXPECT_FALSE(file.ReadString(strLine));
    EXPECT_TRUE(strLine.IsEmpty());
}

TEST_F(FilesTest, OpenFlagsDecideAboutCreatingTruncatingAndSharing)
{
    {
        CFile file(Path("data.bin"), CFile::modeCreate | CFile::modeWrite);
        file.Write("abc", 3);
    }
    {
        // Kept and appended to.
        CFile file(Path("data.bin"),
                   CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareExclusive);
        EXPECT_EQ(file.SeekToEnd(), 3u);
        file.Write("de", 2);

        CFile second;
        CFileException error;
        EXPECT_FALSE(second.Open(Path("data.bin"), CFile::modeRead | CFile::shareDenyNone, &error));
        EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    }
    EXPECT_EQ(ReadBytes("data.bin"), "abcde");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(Path("data.bin"), status));
    EXPECT_EQ(status.m_size, 5u);
    {
        CFile file(Path("data.bin"), CFile::modeCreate | CFile::modeReadWrite);
        EXPECT_EQ(file.GetLength(), 0u);
        EXPECT_EQ(file.GetFileName(), "data.bin");
        EXPECT_EQ(file.GetFileTitle(), "data");
    }

    CFile::Rename(Path("data.bin"), Path("moved.bin"));
    EXPECT_FALSE(CFile::GetStatus(Path("data.bin"), status));
    CFile::Remove(Path("moved.bin"));
    try
    {
        CFile::Remove(Path("moved.bin"));
        ADD_FAILURE() << "removing a missing file did not raise";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
    try
    {
        CFile missing(Path("missing.bin"), CFile::modeRead);
        ADD_FAILURE() << "opening a missing file did not raise";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        char szText[300];
        EXPECT_TRUE(e->GetErrorMessage(szText, sizeof(szText)));
        EXPECT_NE(std::string(szText).find("missing.bin"), std::string::npos);
        e->Delete();
    }
}

TEST_F(FilesTest, FileFindWalksEveryMatchAndKeepsTheLastOne)
{
    for (LPCSTR lpszName : {"a.csv", "b.csv", "c.txt"})
        CFile(Path(lpszName), CFile::modeCreate | CFile::modeWrite).Write("12", 2);
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(Path("*.csv")));
    std::string names;
    BOOL bMore = TRUE;
    while (bMore)
    {
        bMore = finder.FindNextFile();
        names += std::string(finder.GetFileName()) + ";";
        EXPECT_EQ(finder.GetFilePath(), Path(finder.GetFileName()));
        EXPECT_EQ(finder.GetLength(), 2u);
        EXPECT_FALSE(finder.IsDirectory());
    }
    EXPECT_TRUE(names == "a.csv;b.csv;" || names == "b.csv;a.csv;") << names;
    EXPECT_FALSE(finder.FindFile(Path("*.none")));
}

TEST_F(FilesTest, ArchiveStoresSimpleTypesStringsAndObjectsAndReadsThemBack)
{
    const CString strLong(CString('y', 300));
    const CString strHuge(CString('z', 70000));
    {
        CFile file(Path("chart.arc"), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)0x01020304 << true << (int)-2 << 1.5 << CString("N·m") << strLong << strHuge;
        auto pPoint = std::make_unique<CArchivedPoint>();
        pPoint->m_x = 7;
        pPoint->m_y = -0.25;
        ar << pPoint.get() << pPoint.get() << static_cast<CObject*>(nullptr);
        ar.Close();
    }
    const std::string bytes = ReadBytes("chart.arc");
    // DWORD, bool, int, double, then "N·m" with its one-byte length, then 0xFF + 16-bit length 300.
    EXPECT_EQ(bytes.substr(0, 22), std::string("\x04\x03\x02\x01\x01\xFE\xFF\xFF\xFF", 9) +
                                       std::string("\0\0\0\0\0\0\xF8\x3F", 8) + "\x03N\xB7m" + "\xFF");
    EXPECT_EQ(bytes.substr(22, 2), std::string("\x2C\x01", 2));
    EXPECT_EQ(bytes.substr(324, 7), std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7));

    CFile file(Path("chart.arc"), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    DWORD dw = 0;
    bool b = false;
    int n = 0;
    double d = 0;
    CString s1, s2, s3;
    ar >> dw >> b >> n >> d >> s1 >> s2 >> s3;
    EXPECT_EQ(dw, 0x01020304u);
    EXPECT_TRUE(b);
    EXPECT_EQ(n, -2);
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(s1, "N\xB7m");
    EXPECT_EQ(s2, strLong);
    EXPECT_EQ(s3, strHuge);
    for (int i = 0; i < 2; ++i)
    {
        std::unique_ptr<CObject> pObject(ar.ReadObject(RUNTIME_CLASS(CObject)));
        auto* pPoint = DYNAMIC_DOWNCAST(CArchivedPoint, pObject.get());
        ASSERT_NE(pPoint, nullptr);
        EXPECT_EQ(pPoint->m_x, 7);
        EXPECT_EQ(pPoint->m_y, -0.25);
    }
    EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
    EXPECT_THROW(
        {
            try
            {
                ar >> n;
            }
            catch (CArchiveException* e)
            {
                EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
                e->Delete();
                throw 1;
            }
        },
        int);
}

TEST_F(FilesTest, ArchiveRefusesDamagedLengthsAndUnknownClasses)
{
    // A string claiming 0x7FFFFFF0 bytes; an object of a class nobody knows.
    CFile(Path("length.arc"), CFile::modeCreate | CFile::modeWrite).Write("\xFF\xFF\xFF\xF0\xFF\xFF\x7F", 7);
    CFile(Path("class.arc"), CFile::modeCreate | CFile::modeWrite).Write("\xFF\xFF\x06NoSuch", 9);
    const struct
    {
        LPCSTR lpszName;
        int nCause;
    } cases[] = {{"length.arc", CArchiveException::endOfFile}, {"class.arc", CArchiveException::badClass}};
    for (const auto& c : cases)
    {
        CFile file(Path(c.lpszName), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        int nCause = -1;
        try
        {
            CString str;
            if (c.nCause == CArchiveException::endOfFile)
                ar >> str;
            else
                delete ar.ReadObject(nullptr);
        }
        catch (CArchiveException* e)
        {
            nCause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(nCause, c.nCause) << c.lpszName;
    }
}

TEST(OleDateTime, ConvertsBetweenDaysAndCalendarBothSidesOfTheEpoch)
{
    struct Case
    {
        DATE dt;
        int y, mo, d, h, mi, s, dow;
    };
    const Case cases[] = {
        {0.0, 1899, 12, 30, 0, 0, 0, 7},   {2.5, 1900, 1, 1, 12, 0, 0, 2},
        {-1.25, 1899, 12, 29, 6, 0, 0, 6}, {41675.37716435185, 2014, 2, 5, 9, 3, 7, 4},
        {-0.5, 1899, 12, 30, 12, 0, 0, 7}, {2958465.0, 9999, 12, 31, 0, 0, 0, 6},
    };
    for (const Case& c : cases)
    {
        const COleDateTime t(c.dt);
        ASSERT_EQ(t.GetStatus(), COleDateTime::valid) << c.dt;
        EXPECT_EQ(t.GetYear(), c.y) << c.dt;
        EXPECT_EQ(t.GetMonth(), c.mo) << c.dt;
        EXPECT_EQ(t.GetDay(), c.d) << c.dt;
        EXPECT_EQ(t.GetHour(), c.h) << c.dt;
        EXPECT_EQ(t.GetMinute(), c.mi) << c.dt;
        EXPECT_EQ(t.GetSecond(), c.s) << c.dt;
        EXPECT_EQ(t.GetDayOfWeek(), c.dow) << c.dt;
        const COleDateTime back(c.y, c.mo, c.d, c.h, c.mi, c.s);
        if (c.dt != -0.5)
        {
            EXPECT_NEAR(back.m_dt, c.dt, 1e-9) << c.dt;
        }
    }
    // Half a second before midnight rounds into the next day.
    const COleDateTime late(COleDateTime(2001, 2, 28, 0, 0, 0).m_dt + (86400 - 0.4) / 86400.0);
    EXPECT_EQ(late.Format("%Y-%m-%d %H:%M:%S"), "2001-03-01 00:00:00");
    EXPECT_EQ(COleDateTime(2014, 2, 5, 9, 3, 7).Format("%d.%m.%Y\n%H:%M"), "05.02.2014\n09:03");
    EXPECT_GT(COleDateTime(-1.75), COleDateTime(-1.25)); // 18:00 and 06:00 of 1899-12-29
}

TEST(OleDateTime, OutOfRangeFieldsAndValuesAreInvalid)
{
    COleDateTime t;
    EXPECT_EQ(t.SetDateTime(2013, 2, 29, 0, 0, 0), 1);
    EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(t.GetYear(), -1);
    EXPECT_EQ(t.Format("%Y"), "");
    EXPECT_EQ(t.SetDateTime(2012, 2, 29, 23, 59, 59), 0);
    EXPECT_EQ(t.GetDayOfYear(), 60);
    EXPECT_EQ(COleDateTime(3e6).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(99, 12, 31, 0, 0, 0).GetStatus(), COleDateTime::invalid);
}
