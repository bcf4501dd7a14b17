/* A 32-bit memory bitmap selected into its own device context, white at first, for drawing
   code to paint into and tests to read back pixel by pixel. */
#ifndef CANVAS_H
#define CANVAS_H

#include <windows.h>

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF At(int x, int y) const;
    /* Pixels of that colour, in one row or (row -1) everywhere. */
    int Count(COLORREF colour, int row = -1) const;
    /* Copies bitmap's top-left corner onto the canvas at (0, 0). */
    void CopyFrom(HBITMAP bitmap);
    /* A new screen-compatible bitmap holding the canvas's pixels; the caller deletes it. */
    HBITMAP Snapshot() const;
    void Fill(RECT area, COLORREF colour);

private:
    int width_;
    int height_;
    DWORD *bits_ = NULL;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

#endif
