/* Bitmap loading and the greyed, embossed look of disabled images. */
#include <windows.h>

#include <vector>

#define CORVANECTLN_BUILD
#include "corvanectln.h"

namespace {

const int maxSide = 2048;      /* larger images are refused rather than copied */
const int inkLuminance = 224;  /* lighter pixels vanish from a disabled image */

struct Image {
    int width;
    int height;
    std::vector<DWORD> pixels;  /* 0x00RRGGBB, top row first */
};

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool ReadImage(HBITMAP source, Image *image)
{
    BITMAP header;
    if (!source || GetObjectA(source, sizeof(header), &header) != sizeof(header))
        return false;
    if (header.bmWidth <= 0 || header.bmHeight <= 0 || header.bmWidth > maxSide || header.bmHeight > maxSide)
        return false;
    image->width = header.bmWidth;
    image->height = header.bmHeight;
    image->pixels.assign(static_cast<size_t>(image->width) * image->height, 0);
    BITMAPINFO info = TopDown32(image->width, image->height);
    HDC screen = GetDC(NULL);
    int lines = GetDIBits(screen, source, 0, image->height, image->pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    return lines == image->height;
}

HBITMAP WriteImage(const Image &image)
{
    BITMAPINFO info = TopDown32(image.width, image.height);
    void *bits = NULL;
    HBITMAP result = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (result && bits)
        CopyMemory(bits, image.pixels.data(), image.pixels.size() * sizeof(DWORD));
    return result;
}

DWORD SystemPixel(int index)
{
    COLORREF colour = GetSysColor(index);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

/* Ink is what the disabled image keeps: every pixel that is neither the background (the colour
   of the top-left corner) nor nearly white. */
std::vector<bool> InkMask(const Image &image)
{
    DWORD background = image.pixels[0] & 0xFFFFFF;
    std::vector<bool> ink(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); i++) {
        DWORD pixel = image.pixels[i] & 0xFFFFFF;
        int luminance = (30 * ((pixel >> 16) & 0xFF) + 59 * ((pixel >> 8) & 0xFF) + 11 * (pixel & 0xFF)) / 100;
        ink[i] = pixel != background && luminance < inkLuminance;
    }
    return ink;
}

/* The classic engraved look: ink in the shadow colour with a highlight one pixel below and
   to the right of it, on the button face. */
Image Emboss(const Image &source)
{
    std::vector<bool> ink = InkMask(source);
    Image result = {source.width, source.height,
                    std::vector<DWORD>(source.pixels.size(), SystemPixel(COLOR_3DFACE))};
    DWORD light = SystemPixel(COLOR_3DHILIGHT);
    DWORD shadow = SystemPixel(COLOR_3DSHADOW);
    for (int y = 0; y + 1 < source.height; y++)
        for (int x = 0; x + 1 < source.width; x++)
            if (ink[y * source.width + x])
                result.pixels[(y + 1) * source.width + x + 1] = light;
    for (size_t i = 0; i < ink.size(); i++)
        if (ink[i])
            result.pixels[i] = shadow;
    return result;
}

}  // namespace

CTL_API HBITMAP WINAPI Bitmap_Load(HINSTANCE module, UINT bitmapId)
{
    /* Only 16-bit numbers name a resource; anything larger would be read as a string pointer. */
    if (bitmapId == 0 || bitmapId > 0xFFFF)
        return NULL;
    /* The pictures are drawn on light grey, which becomes the system's face colour here. */
    return static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
}

CTL_API HBITMAP WINAPI Bitmap_MakeDisabled(HBITMAP source, DWORD, DWORD, DWORD, DWORD)
{
    Image image;
    if (!ReadImage(source, &image))
        return NULL;
    return WriteImage(Emboss(image));
}
