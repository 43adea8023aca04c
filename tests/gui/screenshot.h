// Pictures for test artefacts: a window as it is on the screen, or an
// off-screen bitmap the test drew into.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace hoshikura {
namespace test {

// An off-screen 24-bit canvas with a memory DC, white on creation.
class CCanvas {
public:
    CCanvas(int width, int height);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    std::vector<COLORREF> Pixels() const;  // row by row
    bool SavePng(const std::string& path) const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint8_t* bits_ = nullptr;  // top-down BGR rows, 4-byte aligned
};

// Pixels of one colour over an area of a canvas.
int CountColour(const CCanvas& canvas, const RECT& area, COLORREF colour);

// The window's screen area (frame, menu, children) as the screen holds it,
// and the same saved as a PNG file.
std::vector<COLORREF> ScreenPixels(HWND window);
bool SaveWindowPng(HWND window, const std::string& path);

}  // namespace test
}  // namespace hoshikura
