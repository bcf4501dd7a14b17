#include "canvas.h"

Canvas::Canvas(int width, int height) : width_(width), height_(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits_), NULL, 0);
    dc_ = CreateCompatibleDC(NULL);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; bits_ && i < width * height; i++)
        bits_[i] = 0xFFFFFF;
}

Canvas::~Canvas()
{
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF Canvas::At(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    DWORD pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Canvas::Count(COLORREF colour, int row) const
{
    int count = 0;
    for (int y = 0; y < height_; y++)
        for (int x = 0; x < width_; x++)
            if ((row < 0 || row == y) && At(x, y) == colour)
                count++;
    return count;
}

void Canvas::CopyFrom(HBITMAP bitmap)
{
    HDC source = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

HBITMAP Canvas::Snapshot() const
{
    HDC screen = GetDC(NULL);
    HBITMAP copy = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(NULL, screen);
    HDC target = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(target, copy);
    BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    SelectObject(target, old);
    DeleteDC(target);
    return copy;
}

void Canvas::Fill(RECT area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}
