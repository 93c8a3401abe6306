// PNG and JPEG pictures read into canvases and written as PNG, the picture
// cache and the skin's file paths.
#include "platform/pictures.h"

#include <png.h>
// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>

#include "platform/errors.h"
#include "platform/files.h"

namespace {

constexpr uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void Set_Why(std::string* pWhy, const std::string& Why)
{
    if (pWhy)
        *pWhy = Why;
}

bool Within_Bounds(uint64_t nWidth, uint64_t nHeight, std::string* pWhy)
{
    if (nWidth == 0 || nHeight == 0) {
        Set_Why(pWhy, "no pixels");
        return false;
    }
    if (nWidth > uint64_t(PICTURE_MAX_SIDE) || nHeight > uint64_t(PICTURE_MAX_SIDE) ||
        nWidth * nHeight > uint64_t(PICTURE_MAX_PIXELS)) {
        Set_Why(pWhy, "too large (" + std::to_string(nWidth) + " x " + std::to_string(nHeight) + ")");
        return false;
    }
    return true;
}

// x / 255 rounded, as the rasteriser's premultiplication does it.
inline uint8_t Multiply(unsigned a, unsigned b)
{
    unsigned t = a * b + 128;
    return static_cast<uint8_t>(((t >> 8) + t) >> 8);
}

void Premultiply_Rows(CANVAS& Picture)
{
    for (int y = 0; y < Picture.Height(); ++y) {
        uint8_t* p = Picture.Row(y);
        for (int x = 0; x < Picture.Width(); ++x, p += 4) {
            unsigned a = p[3];
            if (a == 255)
                continue;
            p[0] = Multiply(p[0], a);
            p[1] = Multiply(p[1], a);
            p[2] = Multiply(p[2], a);
        }
    }
}

inline uint8_t Unpremultiply(unsigned c, unsigned a)
{
    if (a == 0)
        return 0;
    unsigned v = (c * 255 + a / 2) / a;
    return static_cast<uint8_t>(v > 255 ? 255 : v);
}

// --- JPEG: libjpeg reports a fatal error by a long jump back here ----------

struct JPEG_ERROR {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char szMessage[JMSG_LENGTH_MAX];
};

[[noreturn]] void Jpeg_Error_Exit(j_common_ptr pInfo)
{
    JPEG_ERROR* pError = reinterpret_cast<JPEG_ERROR*>(pInfo->err);
    (*pInfo->err->format_message)(pInfo, pError->szMessage);
    std::longjmp(pError->Jump, 1);
}

void Jpeg_Output_Message(j_common_ptr)
{
    // Warnings of a damaged but readable file: the picture is still drawn.
}

// Only plain data lives in this frame across the jump. The rows are decoded
// into Pixels, sized before the first row is read.
bool Decode_Jpeg_Rows(const uint8_t* pData, size_t nSize, std::vector<uint8_t>& Pixels, int& nWidth, int& nHeight,
                      char* szWhy, size_t nWhySize)
{
    jpeg_decompress_struct Info;
    JPEG_ERROR Error;
    std::memset(&Info, 0, sizeof(Info));
    Info.err = jpeg_std_error(&Error.Manager);
    Error.Manager.error_exit = Jpeg_Error_Exit;
    Error.Manager.output_message = Jpeg_Output_Message;
    Error.szMessage[0] = '\0';
    if (setjmp(Error.Jump)) {
        std::snprintf(szWhy, nWhySize, "%s", Error.szMessage);
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, pData, static_cast<unsigned long>(nSize));
    jpeg_read_header(&Info, TRUE);
    if (Info.image_width == 0 || Info.image_height == 0 || Info.image_width > unsigned(PICTURE_MAX_SIDE) ||
        Info.image_height > unsigned(PICTURE_MAX_SIDE) ||
        uint64_t(Info.image_width) * Info.image_height > uint64_t(PICTURE_MAX_PIXELS)) {
        std::snprintf(szWhy, nWhySize, "too large or empty (%u x %u)", Info.image_width, Info.image_height);
        jpeg_destroy_decompress(&Info);
        return false;
    }
    Info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&Info);
    nWidth = static_cast<int>(Info.output_width);
    nHeight = static_cast<int>(Info.output_height);
    Pixels.assign(size_t(nWidth) * 4 * size_t(nHeight), 0);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW pRow = Pixels.data() + size_t(Info.output_scanline) * size_t(nWidth) * 4;
        jpeg_read_scanlines(&Info, &pRow, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return true;
}

// --- The cache ---------------------------------------------------------------

// Pictures kept at most: past it the cache starts again.
constexpr size_t CACHE_MAX_BYTES = size_t(256) << 20;

struct PICTURE_CACHE {
    std::map<std::string, std::unique_ptr<CANVAS>> Pictures;  // null: could not be read
    size_t nBytes = 0;
};

PICTURE_CACHE& Cache()
{
    static PICTURE_CACHE s_Cache;
    return s_Cache;
}

std::string g_SkinName = DEFAULT_SKIN_NAME;

}  // namespace

bool Decode_Png(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy)
{
    Picture.Resize(0, 0);
    if (!pData || nSize < sizeof(PNG_SIGNATURE) || std::memcmp(pData, PNG_SIGNATURE, sizeof(PNG_SIGNATURE)) != 0) {
        Set_Why(pWhy, "not a PNG file");
        return false;
    }
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&Image, pData, nSize)) {
        Set_Why(pWhy, Image.message);
        png_image_free(&Image);
        return false;
    }
    if (!Within_Bounds(Image.width, Image.height, pWhy)) {
        png_image_free(&Image);
        return false;
    }
    Image.format = PNG_FORMAT_BGRA;
    if (!Picture.Resize(static_cast<int>(Image.width), static_cast<int>(Image.height))) {
        Set_Why(pWhy, "too large");
        png_image_free(&Image);
        return false;
    }
    if (!png_image_finish_read(&Image, nullptr, Picture.Pixels(), Picture.Stride(), nullptr)) {
        Set_Why(pWhy, Image.message);
        png_image_free(&Image);
        Picture.Resize(0, 0);
        return false;
    }
    Premultiply_Rows(Picture);
    return true;
}

bool Decode_Jpeg(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy)
{
    Picture.Resize(0, 0);
    if (!pData || nSize < 3 || pData[0] != 0xFF || pData[1] != 0xD8 || pData[2] != 0xFF) {
        Set_Why(pWhy, "not a JPEG file");
        return false;
    }
    std::vector<uint8_t> Pixels;
    int nWidth = 0, nHeight = 0;
    char szWhy[JMSG_LENGTH_MAX + 64] = {};
    if (!Decode_Jpeg_Rows(pData, nSize, Pixels, nWidth, nHeight, szWhy, sizeof(szWhy))) {
        Set_Why(pWhy, szWhy);
        return false;
    }
    if (!Picture.Resize(nWidth, nHeight)) {
        Set_Why(pWhy, "too large");
        return false;
    }
    std::memcpy(Picture.Pixels(), Pixels.data(), Pixels.size());
    return true;
}

bool Decode_Picture(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy)
{
    if (pData && nSize >= sizeof(PNG_SIGNATURE) && std::memcmp(pData, PNG_SIGNATURE, sizeof(PNG_SIGNATURE)) == 0)
        return Decode_Png(pData, nSize, Picture, pWhy);
    if (pData && nSize >= 3 && pData[0] == 0xFF && pData[1] == 0xD8 && pData[2] == 0xFF)
        return Decode_Jpeg(pData, nSize, Picture, pWhy);
    Picture.Resize(0, 0);
    Set_Why(pWhy, "neither a PNG nor a JPEG file");
    return false;
}

bool Read_Picture_File(const char* szPath, CANVAS& Picture)
{
    Picture.Resize(0, 0);
    if (!szPath || !*szPath)
        return false;
    std::vector<uint8_t> Data;
    if (!files::Read_Whole_File(szPath, Data, PICTURE_MAX_FILE_BYTES)) {
        int nError = errno;
        Write_Debug_Log("Could not read the picture \"%s\": %s", szPath,
                        nError == EFBIG ? "the file is too large" : files::Error_Text(nError));
        return false;
    }
    std::string Why;
    if (!Decode_Picture(Data.data(), Data.size(), Picture, &Why)) {
        Write_Debug_Log("The picture \"%s\" was left out: %s", szPath, Why.c_str());
        return false;
    }
    return true;
}

bool Encode_Png(const CANVAS& Picture, std::vector<uint8_t>& Out)
{
    Out.clear();
    if (Picture.Is_Empty())
        return false;
    std::vector<uint8_t> Straight(size_t(Picture.Width()) * 4 * size_t(Picture.Height()));
    for (int y = 0; y < Picture.Height(); ++y) {
        const uint8_t* s = Picture.Row(y);
        uint8_t* d = Straight.data() + size_t(y) * size_t(Picture.Width()) * 4;
        for (int x = 0; x < Picture.Width(); ++x, s += 4, d += 4) {
            unsigned a = s[3];
            d[0] = Unpremultiply(s[2], a);
            d[1] = Unpremultiply(s[1], a);
            d[2] = Unpremultiply(s[0], a);
            d[3] = static_cast<uint8_t>(a);
        }
    }
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    Image.width = static_cast<png_uint_32>(Picture.Width());
    Image.height = static_cast<png_uint_32>(Picture.Height());
    Image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t nSize = 0;
    if (!png_image_write_to_memory(&Image, nullptr, &nSize, 0, Straight.data(), 0, nullptr) || nSize == 0)
        return false;
    Out.resize(nSize);
    if (!png_image_write_to_memory(&Image, Out.data(), &nSize, 0, Straight.data(), 0, nullptr)) {
        Out.clear();
        return false;
    }
    Out.resize(nSize);
    return true;
}

namespace {

bool Write_Bytes_Replacing(const char* szPath, const std::vector<uint8_t>& Data)
{
    if (files::Write_Whole_File(szPath, Data.data(), Data.size()))
        return true;
    const int nError = errno != 0 ? errno : EIO;
    Write_Debug_Log("Could not write the picture \"%s\": %s", szPath, std::strerror(nError));
    errno = nError;
    return false;
}

}  // namespace

bool Write_Png_File(const char* szPath, const CANVAS& Picture)
{
    std::vector<uint8_t> Data;
    if (!szPath || !Encode_Png(Picture, Data))
        return false;
    return Write_Bytes_Replacing(szPath, Data);
}

bool Save_Canvas_As_Png(const char* szPath, const CANVAS& Picture, int nWidth, int nHeight)
{
    if (!szPath || Picture.Is_Empty())
        return false;
    nWidth = std::min(nWidth, Picture.Width());
    nHeight = std::min(nHeight, Picture.Height());
    if (nWidth <= 0 || nHeight <= 0)
        return false;
    std::vector<uint8_t> Rgb(size_t(nWidth) * 3 * size_t(nHeight));
    for (int y = 0; y < nHeight; ++y) {
        const uint8_t* s = Picture.Row(y);
        uint8_t* d = Rgb.data() + size_t(y) * size_t(nWidth) * 3;
        for (int x = 0; x < nWidth; ++x, s += 4, d += 3) {
            unsigned nWhite = 255 - s[3];  // premultiplied over white: c + 255 x (1 - a)
            d[0] = static_cast<uint8_t>(s[2] + nWhite);
            d[1] = static_cast<uint8_t>(s[1] + nWhite);
            d[2] = static_cast<uint8_t>(s[0] + nWhite);
        }
    }
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    Image.width = static_cast<png_uint_32>(nWidth);
    Image.height = static_cast<png_uint_32>(nHeight);
    Image.format = PNG_FORMAT_RGB;
    // One pass into a buffer of the largest size the picture can take (a
    // probe for the exact size would compress it twice).
    std::vector<uint8_t> Data(PNG_IMAGE_PNG_SIZE_MAX(Image));
    png_alloc_size_t nSize = Data.size();
    if (!png_image_write_to_memory(&Image, Data.data(), &nSize, 0, Rgb.data(), 0, nullptr) || nSize == 0)
        return false;
    Data.resize(nSize);
    return Write_Bytes_Replacing(szPath, Data);
}

// --- The picture cache -------------------------------------------------------

const CANVAS* Find_Cached_Bitmap(const char* szPath)
{
    if (!szPath)
        return nullptr;
    auto Found = Cache().Pictures.find(szPath);
    return Found == Cache().Pictures.end() ? nullptr : Found->second.get();
}

const CANVAS* Load_File_Into_Bitmap_Cache(const char* szPath)
{
    if (!szPath || !*szPath)
        return nullptr;
    PICTURE_CACHE& c = Cache();
    auto Found = c.Pictures.find(szPath);
    if (Found != c.Pictures.end())
        return Found->second.get();
    auto Picture = std::make_unique<CANVAS>();
    if (!Read_Picture_File(szPath, *Picture)) {
        c.Pictures.emplace(szPath, nullptr);  // missing: its notice comes once
        return nullptr;
    }
    size_t nBytes = size_t(Picture->Stride()) * size_t(Picture->Height());
    if (c.nBytes + nBytes > CACHE_MAX_BYTES)
        Clear_Bitmap_Cache();
    c.nBytes += nBytes;
    const CANVAS* pPicture = Picture.get();
    c.Pictures.emplace(szPath, std::move(Picture));
    return pPicture;
}

bool Draw_Cached_Image(CANVAS& Canvas, const char* szPath, int x, int y)
{
    const CANVAS* pPicture = Load_File_Into_Bitmap_Cache(szPath);
    if (!pPicture)
        return false;
    Canvas.Draw_Canvas(*pPicture, x, y);
    return true;
}

bool Draw_Cached_Image(CANVAS& Canvas, const char* szPath, const CANVAS_RECT& rcDest)
{
    const CANVAS* pPicture = Load_File_Into_Bitmap_Cache(szPath);
    if (!pPicture)
        return false;
    Canvas.Draw_Canvas_Scaled(*pPicture, rcDest);
    return true;
}

bool Draw_Cached_Image_Centered(CANVAS& Canvas, const char* szPath, const CANVAS_RECT& rcBox)
{
    const CANVAS* pPicture = Load_File_Into_Bitmap_Cache(szPath);
    if (!pPicture || rcBox.Is_Empty())
        return false;
    int w = pPicture->Width(), h = pPicture->Height();
    if (w > rcBox.Width() || h > rcBox.Height()) {
        // Shrunk to fit, the sides kept in proportion.
        double f = std::min(double(rcBox.Width()) / w, double(rcBox.Height()) / h);
        w = std::max(1, static_cast<int>(w * f));
        h = std::max(1, static_cast<int>(h * f));
    }
    int x = rcBox.left + (rcBox.Width() - w) / 2;
    int y = rcBox.top + (rcBox.Height() - h) / 2;
    Canvas.Draw_Canvas_Scaled(*pPicture, CANVAS_RECT{x, y, x + w, y + h});
    return true;
}

bool Blit_Cached_Bitmap(CANVAS& Canvas, const char* szPath, int x, int y, const CANVAS_RECT& rcSource)
{
    const CANVAS* pPicture = Load_File_Into_Bitmap_Cache(szPath);
    if (!pPicture)
        return false;
    CANVAS_RECT rc{std::max(rcSource.left, 0), std::max(rcSource.top, 0), std::min(rcSource.right, pPicture->Width()),
                   std::min(rcSource.bottom, pPicture->Height())};
    if (rc.Is_Empty())
        return false;
    // A view of the part, without copying it.
    CANVAS Part(const_cast<uint8_t*>(pPicture->Row(rc.top)) + rc.left * 4, rc.Width(), rc.Height(),
                pPicture->Stride());
    Canvas.Draw_Canvas(Part, x + (rc.left - rcSource.left), y + (rc.top - rcSource.top));
    return true;
}

void Clear_Bitmap_Cache()
{
    Cache().Pictures.clear();
    Cache().nBytes = 0;
}

int Get_Bitmap_Cache_Count()
{
    return static_cast<int>(Cache().Pictures.size());
}

// --- Skins -------------------------------------------------------------------

void Set_Skin_Name(const char* szSkin)
{
    g_SkinName = (szSkin && *szSkin) ? szSkin : DEFAULT_SKIN_NAME;
}

std::string Get_Skin_Name()
{
    return g_SkinName;
}

std::string Get_Skin_File_Path(const char* szFile)
{
    if (!szFile)
        return std::string();
    for (const std::string& Skin : {g_SkinName, std::string(DEFAULT_SKIN_NAME)}) {
        // A skin name with a path separator or ".." names no skin folder.
        if (Skin.empty() || Skin.find_first_of("/\\") != std::string::npos || Skin == "..")
            continue;
        std::string Candidate = "skins\\" + Skin + "\\" + szFile;
        // Whatever is there is the skin's: a picture that is no file is
        // reported as such, not as missing from the data folder.
        if (files::Entry_Exists(Candidate.c_str()))
            return Candidate;
    }
    return szFile;
}
