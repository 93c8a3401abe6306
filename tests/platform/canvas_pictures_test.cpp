// Pictures: a PNG round trip byte for byte, straight alpha in the file, a
// JPEG read, damaged and oversized files refused with a notice and no
// crash, the picture cache, and the skin's file paths.
#include <gtest/gtest.h>

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <jpeglib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "test_support.h"

namespace {

// A 3 x 2 picture with opaque, translucent and clear pixels (premultiplied).
CANVAS Sample_Picture()
{
    CANVAS Picture(3, 2);
    Picture.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, Rgb_Color(0x123456));
    Picture.Fill_Rect(CANVAS_RECT{1, 0, 2, 1}, CANVAS_COLOR{255, 0, 0, 128});
    Picture.Fill_Rect(CANVAS_RECT{2, 0, 3, 1}, CANVAS_COLOR{10, 200, 30, 77});
    Picture.Fill_Rect(CANVAS_RECT{0, 1, 1, 2}, Rgb_Color(0xFFFFFF));
    Picture.Fill_Rect(CANVAS_RECT{1, 1, 2, 2}, CANVAS_COLOR{0, 0, 0, 1});
    return Picture;  // (2, 1) stays clear
}

bool Same_Pixels(const CANVAS& a, const CANVAS& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), size_t(a.Width()) * 4) != 0)
            return false;
    return true;
}

void Write_Bytes(const std::string& Path, const std::vector<uint8_t>& Data)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr) << Path;
    std::fwrite(Data.data(), 1, Data.size(), pFile);
    std::fclose(pFile);
}

// A w x h JPEG of one grey, made by libjpeg itself.
std::vector<uint8_t> Grey_Jpeg(int nWidth, int nHeight, uint8_t nGrey)
{
    jpeg_compress_struct Info;
    jpeg_error_mgr Error;
    Info.err = jpeg_std_error(&Error);
    jpeg_create_compress(&Info);
    unsigned char* pOut = nullptr;
    unsigned long nSize = 0;
    jpeg_mem_dest(&Info, &pOut, &nSize);
    Info.image_width = static_cast<JDIMENSION>(nWidth);
    Info.image_height = static_cast<JDIMENSION>(nHeight);
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, 95, TRUE);
    jpeg_start_compress(&Info, TRUE);
    std::vector<uint8_t> Row(size_t(nWidth) * 3, nGrey);
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW p = Row.data();
        jpeg_write_scanlines(&Info, &p, 1);
    }
    jpeg_finish_compress(&Info);
    std::vector<uint8_t> Data(pOut, pOut + nSize);
    jpeg_destroy_compress(&Info);
    std::free(pOut);
    return Data;
}

int Count_Log_Lines_With(const std::string& Text)
{
    int n = 0;
    for (const std::string& Line : Read_Debug_Log_Lines(true))
        n += Line.find(Text) != std::string::npos;
    return n;
}

class CanvasPicturesTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"pictures"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        Clear_Bitmap_Cache();
        Set_Skin_Name(DEFAULT_SKIN_NAME);
    }
    void TearDown() override
    {
        Clear_Bitmap_Cache();
        Set_Skin_Name(DEFAULT_SKIN_NAME);
    }
};

TEST_F(CanvasPicturesTest, PngRoundTripIsByteExactAndTheFileHoldsStraightAlpha)
{
    CANVAS Picture = Sample_Picture();
    std::vector<uint8_t> Data;
    ASSERT_TRUE(Encode_Png(Picture, Data));
    CANVAS Back;
    ASSERT_TRUE(Decode_Png(Data.data(), Data.size(), Back));
    EXPECT_TRUE(Same_Pixels(Picture, Back));

    // The file read by libpng alone: red at alpha 128 is stored as 255
    // (128 x 255 / 128), not as its premultiplied 128; the clear pixel as 0.
    png_image Image;
    std::memset(&Image, 0, sizeof(Image));
    Image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&Image, Data.data(), Data.size()));
    EXPECT_EQ(Image.width, 3u);
    EXPECT_EQ(Image.height, 2u);
    Image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> Rgba(3 * 2 * 4);
    ASSERT_TRUE(png_image_finish_read(&Image, nullptr, Rgba.data(), 0, nullptr));
    const uint8_t First[8] = {0x12, 0x34, 0x56, 0xFF, 255, 0, 0, 128};
    EXPECT_EQ(std::memcmp(Rgba.data(), First, 8), 0);
    EXPECT_EQ(Rgba[5 * 4 + 3], 0);

    // Through a file as well, replacing an older one whole.
    EXPECT_FALSE(Write_Png_File("Output\\picture.png", Picture));  // no such folder yet
    EXPECT_FALSE(Write_Png_File("picture.png", CANVAS()));           // nothing to write
    files::Create_Folders("Output");
    ASSERT_TRUE(Write_Png_File("Output\\picture.png", CANVAS(5, 5)));
    ASSERT_TRUE(Write_Png_File("Output\\picture.png", Picture));
    CANVAS FromFile;
    ASSERT_TRUE(Read_Picture_File("Output\\picture.png", FromFile));
    EXPECT_TRUE(Same_Pixels(Picture, FromFile));
    EXPECT_EQ(files::List_Folder("Output", "*").size(), 1u);  // no temporary left behind

    // The 24-bit form lays translucent pixels on white: red at 128 stays
    // red (128 + 127 = 255, 0 + 127 = 127).
    ASSERT_TRUE(Save_Canvas_As_Png("Output\\flat.png", Picture, 3, 2));
    CANVAS Flat;
    ASSERT_TRUE(Read_Picture_File("Output\\flat.png", Flat));
    EXPECT_EQ(Flat.Get_Pixel(1, 0), 0xFFFF7F7Fu);
    EXPECT_EQ(Flat.Get_Pixel(2, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Flat.Get_Pixel(0, 0), 0xFF123456u);
}

TEST_F(CanvasPicturesTest, JpegIsReadOpaque)
{
    std::vector<uint8_t> Data = Grey_Jpeg(16, 8, 0x80);
    CANVAS Picture;
    ASSERT_TRUE(Decode_Picture(Data.data(), Data.size(), Picture));
    ASSERT_EQ(Picture.Width(), 16);
    ASSERT_EQ(Picture.Height(), 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            uint32_t p = Picture.Get_Pixel(x, y);
            EXPECT_EQ(p >> 24, 255u);
            EXPECT_NEAR(int(p >> 16 & 0xFF), 0x80, 2);
            EXPECT_NEAR(int(p & 0xFF), 0x80, 2);
        }
    }
    Write_Bytes("grey.jpg", Data);
    CANVAS FromFile;
    EXPECT_TRUE(Read_Picture_File("GREY.JPG", FromFile));  // found whatever the case
    EXPECT_EQ(FromFile.Width(), 16);
}

TEST_F(CanvasPicturesTest, DamagedMissingAndOversizedPicturesAreRefusedWithANotice)
{
    std::vector<uint8_t> Png;
    ASSERT_TRUE(Encode_Png(Sample_Picture(), Png));
    std::vector<uint8_t> Jpeg = Grey_Jpeg(8, 8, 0x40);
    CANVAS Picture(2, 2);

    // Cut short after its header, a PNG is refused, and the canvas emptied.
    std::vector<uint8_t> Short(Png.begin(), Png.begin() + 40);
    EXPECT_FALSE(Decode_Picture(Short.data(), Short.size(), Picture));
    EXPECT_TRUE(Picture.Is_Empty());
    // A flipped byte in its image data breaks a checksum.
    std::vector<uint8_t> Flipped = Png;
    Flipped[Flipped.size() - 20] ^= 0xFF;
    EXPECT_FALSE(Decode_Picture(Flipped.data(), Flipped.size(), Picture));
    // A JPEG that is its start marker and noise.
    std::vector<uint8_t> Noise = {0xFF, 0xD8, 0xFF, 0x00, 0x13, 0x37, 0x42, 0x99};
    EXPECT_FALSE(Decode_Picture(Noise.data(), Noise.size(), Picture));
    // A JPEG cut inside its header.
    std::vector<uint8_t> Cut(Jpeg.begin(), Jpeg.begin() + 30);
    EXPECT_FALSE(Decode_Picture(Cut.data(), Cut.size(), Picture));
    // Nothing, and something that is no picture.
    EXPECT_FALSE(Decode_Picture(nullptr, 0, Picture));
    const char szGif[] = "GIF89a....";
    std::string Why;
    EXPECT_FALSE(Decode_Picture(reinterpret_cast<const uint8_t*>(szGif), sizeof(szGif), Picture, &Why));
    EXPECT_EQ(Why, "neither a PNG nor a JPEG file");

    // Wider than the bound: refused before its pixels are read.
    CANVAS Wide(PICTURE_MAX_SIDE + 1, 1);
    std::vector<uint8_t> WidePng;
    ASSERT_TRUE(Encode_Png(Wide, WidePng));
    EXPECT_FALSE(Decode_Png(WidePng.data(), WidePng.size(), Picture, &Why));
    EXPECT_NE(Why.find("too large"), std::string::npos) << Why;

    // From files: one notice each, naming the file.
    Write_Bytes("broken.png", Short);
    EXPECT_FALSE(Read_Picture_File("broken.png", Picture));
    EXPECT_FALSE(Read_Picture_File("logos\\Nobody.png", Picture));
    EXPECT_EQ(Count_Log_Lines_With("\"broken.png\""), 1);
    EXPECT_EQ(Count_Log_Lines_With("\"logos\\Nobody.png\""), 1);
    // A folder is no picture either.
    files::Create_Folders("folder.png");
    EXPECT_FALSE(Read_Picture_File("folder.png", Picture));

    // Drawing a missing picture leaves the page as it was.
    CANVAS Page(4, 4);
    Page.Clear(Rgb_Color(0x00FF00));
    EXPECT_FALSE(Draw_Cached_Image(Page, "broken.png", 0, 0));
    EXPECT_EQ(Page.Get_Pixel(0, 0), 0xFF00FF00u);
}

TEST_F(CanvasPicturesTest, TheCacheReadsEachPictureOnceAndDrawsItWhereAsked)
{
    files::Create_Folders("logos");
    CANVAS Red(2, 2);
    Red.Clear(Rgb_Color(0xFF0000));
    ASSERT_TRUE(Write_Png_File("logos\\Red.png", Red));

    EXPECT_EQ(Find_Cached_Bitmap("logos\\Red.png"), nullptr);
    const CANVAS* pFirst = Load_File_Into_Bitmap_Cache("logos\\Red.png");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(Load_File_Into_Bitmap_Cache("logos\\Red.png"), pFirst);
    EXPECT_EQ(Find_Cached_Bitmap("logos\\Red.png"), pFirst);
    EXPECT_EQ(Get_Bitmap_Cache_Count(), 1);

    CANVAS Page(6, 6);
    EXPECT_TRUE(Draw_Cached_Image(Page, "logos\\Red.png", 3, 1));
    EXPECT_EQ(Page.Get_Pixel(3, 1), 0xFFFF0000u);
    EXPECT_EQ(Page.Get_Pixel(4, 2), 0xFFFF0000u);
    EXPECT_EQ(Page.Get_Pixel(2, 1), 0u);
    EXPECT_EQ(Page.Get_Pixel(5, 1), 0u);
    // Centred in a 6 x 6 box: at (2, 2) to (4, 4).
    CANVAS Centred(6, 6);
    EXPECT_TRUE(Draw_Cached_Image_Centered(Centred, "logos\\Red.png", Centred.Bounds()));
    EXPECT_EQ(Centred.Get_Pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(Centred.Get_Pixel(1, 1), 0u);
    EXPECT_EQ(Centred.Get_Pixel(4, 4), 0u);
    // Scaled into a rectangle, and one part blitted.
    CANVAS Scaled(6, 6);
    EXPECT_TRUE(Draw_Cached_Image(Scaled, "logos\\Red.png", CANVAS_RECT{0, 0, 6, 3}));
    EXPECT_EQ(Scaled.Get_Pixel(5, 2), 0xFFFF0000u);
    EXPECT_EQ(Scaled.Get_Pixel(5, 3), 0u);
    CANVAS Part(6, 6);
    EXPECT_TRUE(Blit_Cached_Bitmap(Part, "logos\\Red.png", 0, 0, CANVAS_RECT{1, 1, 2, 2}));
    EXPECT_EQ(Part.Get_Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(Part.Get_Pixel(1, 0), 0u);

    // A missing picture is remembered: one notice however often it is asked for.
    EXPECT_EQ(Load_File_Into_Bitmap_Cache("logos\\Blue.png"), nullptr);
    EXPECT_EQ(Load_File_Into_Bitmap_Cache("logos\\Blue.png"), nullptr);
    EXPECT_FALSE(Draw_Cached_Image(Page, "logos\\Blue.png", 0, 0));
    EXPECT_EQ(Count_Log_Lines_With("logos\\Blue.png"), 1);

    Clear_Bitmap_Cache();
    EXPECT_EQ(Get_Bitmap_Cache_Count(), 0);
    EXPECT_EQ(Find_Cached_Bitmap("logos\\Red.png"), nullptr);
}

TEST_F(CanvasPicturesTest, SkinFilesComeFromTheSkinTheDefaultSkinOrThePathItself)
{
    files::Create_Folders("skins/earth/news");
    files::Create_Folders("skins/ice/news");
    CANVAS One(1, 1);
    ASSERT_TRUE(Write_Png_File("skins\\earth\\news\\bottombarleft.png", One));
    ASSERT_TRUE(Write_Png_File("skins\\earth\\news\\bottombarright.png", One));
    ASSERT_TRUE(Write_Png_File("skins\\ice\\news\\bottombarleft.png", One));

    Set_Skin_Name("ice");
    EXPECT_EQ(Get_Skin_Name(), "ice");
    EXPECT_EQ(Get_Skin_File_Path("news\\bottombarleft.png"), "skins\\ice\\news\\bottombarleft.png");
    // The ice skin lacks the right-hand picture: the default skin's.
    EXPECT_EQ(Get_Skin_File_Path("news\\bottombarright.png"), "skins\\earth\\news\\bottombarright.png");
    // Neither has it: the path itself.
    EXPECT_EQ(Get_Skin_File_Path("news\\none.png"), "news\\none.png");
    // A skin name that climbs out of the skins folder names no skin.
    Set_Skin_Name("..");
    EXPECT_EQ(Get_Skin_File_Path("news\\bottombarleft.png"), "skins\\earth\\news\\bottombarleft.png");
    Set_Skin_Name("");
    EXPECT_EQ(Get_Skin_Name(), DEFAULT_SKIN_NAME);
}

// A pipe or a device where a skin's picture is stays the skin's picture, and
// the log says it is no regular file, not that the picture is missing.
TEST_F(CanvasPicturesTest, ASkinPictureThatIsNoFileIsToldAsSuch)
{
    files::Create_Folders("skins/earth/news");
    ASSERT_EQ(::mkfifo("skins/earth/news/bottombarleft.png", 0644), 0);
    ASSERT_EQ(::symlink("/dev/null", "skins/earth/news/bottombarright.png"), 0);
    EXPECT_EQ(Get_Skin_File_Path("news\\bottombarleft.png"), "skins\\earth\\news\\bottombarleft.png");
    CANVAS Picture;
    EXPECT_FALSE(Read_Picture_File(Get_Skin_File_Path("news\\bottombarleft.png").c_str(), Picture));
    EXPECT_FALSE(Read_Picture_File(Get_Skin_File_Path("news\\bottombarright.png").c_str(), Picture));
    EXPECT_EQ(Count_Log_Lines_With(
                  "Could not read the picture \"skins\\earth\\news\\bottombarleft.png\": not a regular file"),
              1);
    EXPECT_EQ(Count_Log_Lines_With(
                  "Could not read the picture \"skins\\earth\\news\\bottombarright.png\": not a regular file"),
              1);
    EXPECT_EQ(Count_Log_Lines_With("No such file or directory"), 0);
    EXPECT_EQ(Count_Log_Lines_With("Invalid argument"), 0);
}

}  // namespace
