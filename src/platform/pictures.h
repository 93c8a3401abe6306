// Pictures: PNG and JPEG files read into a canvas (premultiplied), canvases
// written as PNG (straight alpha), the picture cache of the pages and
// dialogs, and the skin's file paths. Every file goes through platform/files.
//
// A damaged, missing or oversized picture is refused with a notice in the
// log ("debug.txt") and the picture left out; nothing crashes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

// The largest picture read: either side at most this many pixels, and at
// most PICTURE_MAX_PIXELS in all (a 4,096 x 4,096 picture).
constexpr int PICTURE_MAX_SIDE = 8192;
constexpr int64_t PICTURE_MAX_PIXELS = int64_t(4096) * 4096;
// The largest picture file read.
constexpr size_t PICTURE_MAX_FILE_BYTES = 32u << 20;

// Decodes a PNG or JPEG held in memory (told apart by their signatures) into
// Picture. False, with Picture empty and the reason in szWhy (when given),
// for anything else, a damaged file or one beyond the bounds. Logs nothing.
bool Decode_Picture(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy = nullptr);
bool Decode_Png(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy = nullptr);
bool Decode_Jpeg(const uint8_t* pData, size_t nSize, CANVAS& Picture, std::string* pWhy = nullptr);
// Reads a picture file (a data path, "logos\\Team.png"); false with a
// notice in the log when it is missing, damaged or too large.
bool Read_Picture_File(const char* szPath, CANVAS& Picture);

// Encodes the canvas as an 8-bit RGBA PNG (alpha un-premultiplied).
bool Encode_Png(const CANVAS& Picture, std::vector<uint8_t>& Out);
// Writes the canvas to a PNG file, replacing it whole; false (and a notice)
// when it cannot.
bool Write_Png_File(const char* szPath, const CANVAS& Picture);
// Writes the top-left nWidth x nHeight of the canvas as a 24-bit (RGB) PNG,
// on a white ground where it is translucent.
bool Save_Canvas_As_Png(const char* szPath, const CANVAS& Picture, int nWidth, int nHeight);

// --- The picture cache ------------------------------------------------------
// Pictures by path (as spelled by the caller); a picture that could not be
// read is remembered as missing, so its notice comes once.

// The cached picture of the path, null when it is not in the cache (or was
// missing when it was loaded).
const CANVAS* Find_Cached_Bitmap(const char* szPath);
// Reads the picture into the cache unless it is there; the picture, or null
// when it cannot be read.
const CANVAS* Load_File_Into_Bitmap_Cache(const char* szPath);
// Draws the cached picture (loading it first) with its top-left corner at
// (x, y); false when there is no picture to draw.
bool Draw_Cached_Image(CANVAS& Canvas, const char* szPath, int x, int y);
// Draws it scaled into a rectangle.
bool Draw_Cached_Image(CANVAS& Canvas, const char* szPath, const CANVAS_RECT& rcDest);
// Draws it centred in a rectangle, shrunk to fit when larger, never enlarged.
bool Draw_Cached_Image_Centered(CANVAS& Canvas, const char* szPath, const CANVAS_RECT& rcBox);
// Copies the cached picture's part rcSource to (x, y).
bool Blit_Cached_Bitmap(CANVAS& Canvas, const char* szPath, int x, int y, const CANVAS_RECT& rcSource);
// Forgets every cached picture (a skin change, the end of the program).
void Clear_Bitmap_Cache();
int Get_Bitmap_Cache_Count();

// --- Skins -------------------------------------------------------------------

// The skin every game starts with, and the one whose files stand in for a
// skin that lacks one.
constexpr const char* DEFAULT_SKIN_NAME = "earth";
// The skin's pictures of the main window: the status bar's two ends, and
// the backgrounds of the pages (a tile) and the news bar (stretched).
constexpr const char* SKIN_STATUS_BAR_LEFT = "news\\bottombarleft.png";
constexpr const char* SKIN_STATUS_BAR_RIGHT = "news\\bottombarright.png";
constexpr const char* SKIN_PAGE_BACKGROUND = "pages\\background.png";
constexpr const char* SKIN_NEWS_BAR_BACKGROUND = "news\\newsbar.png";
// The current skin's name (set by the shell from the game).
void Set_Skin_Name(const char* szSkin);
std::string Get_Skin_Name();
// "skins\\<skin>\\<file>" when the current skin has that file, else the
// default skin's file when it has it, else the file path itself.
std::string Get_Skin_File_Path(const char* szFile);
