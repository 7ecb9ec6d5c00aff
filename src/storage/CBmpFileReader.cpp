#include "storage/CBmpFileReader.h"

#include "framework/CDC.h"

#include <cstdlib>
#include <cstring>

namespace
{
constexpr WORD BMP_SIGNATURE = 0x4D42; // "BM"
constexpr DWORD FILE_HEADER_SIZE = 14;
constexpr DWORD READ_PIECE = 32768;
// Larger pictures are refused rather than read into memory.
constexpr ULONGLONG MAX_PIXEL_BYTES = 0x10000000;
constexpr int ESCAPE_SET_BOUNDS = 4109;

// A file opened for reading, closed when the object ends.
class CReadOnlyFile
{
public:
    explicit CReadOnlyFile(LPCSTR lpszFileName)
        : m_hFile(::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~CReadOnlyFile()
    {
        if (IsOpen())
            ::CloseHandle(m_hFile);
    }
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    ULONGLONG Size() const
    {
        LARGE_INTEGER size = {};
        return ::GetFileSizeEx(m_hFile, &size) ? static_cast<ULONGLONG>(size.QuadPart) : 0;
    }
    // Exactly nBytes from nPosition, in pieces.
    bool ReadAt(ULONGLONG nPosition, void* pBuffer, ULONGLONG nBytes)
    {
        LARGE_INTEGER pos;
        pos.QuadPart = static_cast<LONGLONG>(nPosition);
        if (!::SetFilePointerEx(m_hFile, pos, nullptr, FILE_BEGIN))
            return false;
        BYTE* pTarget = static_cast<BYTE*>(pBuffer);
        while (nBytes > 0)
        {
            const DWORD nPiece = nBytes < READ_PIECE ? static_cast<DWORD>(nBytes) : READ_PIECE;
            DWORD nRead = 0;
            if (!::ReadFile(m_hFile, pTarget, nPiece, &nRead, nullptr) || nRead != nPiece)
                return false;
            pTarget += nPiece;
            nBytes -= nPiece;
        }
        return true;
    }

private:
    HANDLE m_hFile;
};

// Where the parts of a BMP file lie, from its headers.
struct BmpLayout
{
    BITMAPINFOHEADER header = {};
    bool bCoreHeader = false;
    DWORD nColours = 0;
    ULONGLONG nColourPos = 0;
    ULONGLONG nPixelPos = 0;
    ULONGLONG nPixelBytes = 0;
};

bool IsKnownBitCount(WORD nBits, bool bCoreHeader)
{
    switch (nBits)
    {
        case 1:
        case 4:
        case 8:
        case 24:
            return true;
        case 16:
        case 32:
            return !bCoreHeader;
        default:
            return false;
    }
}

DWORD TableColours(WORD nBits)
{
    return nBits <= 8 ? (1u << nBits) : 0;
}

bool ReadHeader(CReadOnlyFile& file, ULONGLONG nPos, BmpLayout& layout)
{
    DWORD cbHeader = 0;
    if (!file.ReadAt(nPos, &cbHeader, sizeof(cbHeader)))
        return false;
    BITMAPINFOHEADER& header = layout.header;
    if (cbHeader == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        if (!file.ReadAt(nPos, &core, sizeof(core)))
            return false;
        header.biSize = sizeof(BITMAPINFOHEADER);
        header.biWidth = core.bcWidth;
        header.biHeight = core.bcHeight;
        header.biPlanes = core.bcPlanes;
        header.biBitCount = core.bcBitCount;
        layout.bCoreHeader = true;
    }
    else if (cbHeader != sizeof(BITMAPINFOHEADER) || !file.ReadAt(nPos, &header, sizeof(header)))
        return false;
    layout.nColourPos = nPos + cbHeader;
    return true;
}

// The colour count and the pixels' size from a header that describes a picture GDI can draw.
bool MeasureParts(BmpLayout& layout)
{
    const BITMAPINFOHEADER& header = layout.header;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == LONG_MIN || header.biPlanes != 1 ||
        header.biCompression != BI_RGB || !IsKnownBitCount(header.biBitCount, layout.bCoreHeader))
        return false;
    const DWORD nMaxColours = header.biBitCount <= 8 ? TableColours(header.biBitCount) : 256;
    layout.nColours = header.biClrUsed != 0 ? header.biClrUsed : TableColours(header.biBitCount);
    if (layout.nColours > nMaxColours)
        return false;
    const ULONGLONG nRowBytes = (static_cast<ULONGLONG>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    layout.nPixelBytes = nRowBytes * static_cast<ULONGLONG>(std::llabs(header.biHeight));
    return layout.nPixelBytes <= MAX_PIXEL_BYTES;
}

bool ReadLayout(CReadOnlyFile& file, BmpLayout& layout)
{
    const ULONGLONG nFileSize = file.Size();
    BITMAPFILEHEADER fileHeader = {};
    static_assert(sizeof(BITMAPFILEHEADER) == FILE_HEADER_SIZE);
    if (!file.ReadAt(0, &fileHeader, FILE_HEADER_SIZE))
        return false;
    const bool bFileHeader = fileHeader.bfType == BMP_SIGNATURE;
    if (!ReadHeader(file, bFileHeader ? FILE_HEADER_SIZE : 0, layout) || !MeasureParts(layout))
        return false;
    const ULONGLONG nTableEnd = layout.nColourPos + layout.nColours * (layout.bCoreHeader ? 3ull : 4ull);
    layout.nPixelPos = bFileHeader ? fileHeader.bfOffBits : nTableEnd;
    return layout.nPixelPos >= nTableEnd && layout.nPixelPos + layout.nPixelBytes <= nFileSize;
}

// The colour table, as 4-byte entries however the file stores it.
bool ReadColours(CReadOnlyFile& file, const BmpLayout& layout, RGBQUAD* pColours)
{
    if (!layout.bCoreHeader)
        return file.ReadAt(layout.nColourPos, pColours, layout.nColours * sizeof(RGBQUAD));
    std::vector<RGBTRIPLE> triples(layout.nColours);
    if (!file.ReadAt(layout.nColourPos, triples.data(), triples.size() * sizeof(RGBTRIPLE)))
        return false;
    for (size_t i = 0; i < triples.size(); ++i)
        pColours[i] = {triples[i].rgbtBlue, triples[i].rgbtGreen, triples[i].rgbtRed, 0};
    return true;
}
} // namespace

bool CBmpFileReader::Load(LPCSTR lpszFileName)
{
    m_picture.clear();
    m_nColours = 0;
    CReadOnlyFile file(lpszFileName);
    BmpLayout layout;
    if (!file.IsOpen() || !ReadLayout(file, layout))
        return false;

    layout.header.biSizeImage = static_cast<DWORD>(layout.nPixelBytes);
    layout.header.biClrUsed = layout.nColours;
    const size_t cbColours = layout.nColours * sizeof(RGBQUAD);
    std::vector<BYTE> picture(sizeof(BITMAPINFOHEADER) + cbColours + layout.nPixelBytes);
    std::memcpy(picture.data(), &layout.header, sizeof(BITMAPINFOHEADER));
    BYTE* pColours = picture.data() + sizeof(BITMAPINFOHEADER);
    if (!ReadColours(file, layout, reinterpret_cast<RGBQUAD*>(pColours)) ||
        !file.ReadAt(layout.nPixelPos, pColours + cbColours, layout.nPixelBytes))
        return false;
    m_picture = std::move(picture);
    m_nColours = layout.nColours;
    return true;
}

const BITMAPINFOHEADER* CBmpFileReader::GetHeader() const
{
    return m_picture.empty() ? nullptr : reinterpret_cast<const BITMAPINFOHEADER*>(m_picture.data());
}

bool CBmpFileReader::Draw(CDC& dc, int x, int y, int cx, int cy) const
{
    const BITMAPINFOHEADER* pHeader = GetHeader();
    if (pHeader == nullptr)
        return false;
    // Drivers that do not know the escape ignore it.
    const RECT bounds = {x, y, cx, cy};
    dc.Escape(ESCAPE_SET_BOUNDS, sizeof(bounds), reinterpret_cast<LPCSTR>(&bounds), nullptr);
    const BYTE* pBits = m_picture.data() + sizeof(BITMAPINFOHEADER) + m_nColours * sizeof(RGBQUAD);
    const int nLines =
        dc.StretchDIBits(x, y, cx, cy, 0, 0, pHeader->biWidth, std::abs(pHeader->biHeight), pBits,
                         reinterpret_cast<const BITMAPINFO*>(pHeader), DIB_RGB_COLORS, SRCCOPY);
    return nLines > 0;
}
