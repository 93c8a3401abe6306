// Fuzz target of the picture readers: any bytes, written as a team's logo
// "logos/Fuzz.png" in the data folder and read as the pages read it (through
// the picture cache), and decoded from memory as PNG or JPEG. Whatever the
// bytes, a read either fails (leaving the canvas empty) or gives a picture
// within the size bounds whose premultiplied channels never exceed alpha,
// which survives a PNG round trip pixel for pixel and draws, scaled, into a
// page without touching anything outside it.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_input_file.h"
#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/pictures.h"
#include "platform/ui.h"

namespace {

void Check_Picture(const CANVAS& Picture)
{
    if (Picture.Is_Empty())
        return;
    if (Picture.Width() > PICTURE_MAX_SIDE || Picture.Height() > PICTURE_MAX_SIDE ||
        int64_t(Picture.Width()) * Picture.Height() > PICTURE_MAX_PIXELS)
        std::abort();
    for (int y = 0; y < Picture.Height(); ++y) {
        const uint8_t* p = Picture.Row(y);
        for (int x = 0; x < Picture.Width(); ++x, p += 4)
            if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3])
                std::abort();
    }
    std::vector<uint8_t> Png;
    if (!Encode_Png(Picture, Png))
        std::abort();
    CANVAS Back;
    if (!Decode_Png(Png.data(), Png.size(), Back) || Back.Width() != Picture.Width() ||
        Back.Height() != Picture.Height())
        std::abort();
    for (int y = 0; y < Picture.Height(); ++y)
        if (std::memcmp(Back.Row(y), Picture.Row(y), size_t(Picture.Width()) * 4) != 0)
            std::abort();

    // Drawn scaled into the middle of a small page with a frame of 0xEE.
    std::vector<uint8_t> Memory(20 * 20 * 4, 0xEE);
    CANVAS Page(Memory.data(), 20, 20, 80);
    Page.Set_Clip(CANVAS_RECT{2, 2, 18, 18});
    Page.Draw_Canvas_Scaled(Picture, CANVAS_RECT{-5, 4, 30, 12});
    Page.Draw_Canvas(Picture, 3, 3);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if ((x < 2 || x >= 18 || y < 2 || y >= 18) && Page.Get_Pixel(x, y) != 0xEEEEEEEEu)
                std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Make_Fuzz_Folder("logos");
    bFirst = false;

    CANVAS Picture(3, 3);
    bool bRead = Decode_Picture(pData, nSize, Picture);
    if (!bRead && !Picture.Is_Empty())
        std::abort();
    Check_Picture(Picture);

    // As the pages read a logo: from the data folder, through the cache.
    Write_Fuzz_File("logos/Fuzz.png", pData, nSize);
    Clear_Bitmap_Cache();
    const CANVAS* pCached = Load_File_Into_Bitmap_Cache("logos\\Fuzz.png");
    if ((pCached != nullptr) != bRead)
        std::abort();
    if (pCached)
        Check_Picture(*pCached);
    Clear_Bitmap_Cache();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}
