// Pictures for tests and artefacts: off-screen canvases and windows as the
// screen shows them, saved as PNG files.
#include "gui_fixture.h"

#include <wincodec.h>

#include <initializer_list>

namespace hoshikura {
namespace test {

namespace {

int RowBytes(int width) { return (width * 3 + 3) & ~3; }

// Calls `use` with a canvas holding the window's screen area.
template <typename Use>
bool WithScreenArea(HWND window, Use use) {
    RECT area;
    if (!GetWindowRect(window, &area)) return false;
    CCanvas canvas(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, area.left, area.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
    return use(canvas);
}

}  // namespace

CCanvas::CCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint8_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

CCanvas::~CCanvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF CCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !bits_) return CLR_INVALID;
    GdiFlush();
    const uint8_t* p = bits_ + static_cast<size_t>(y) * RowBytes(width_) + x * 3;
    return RGB(p[2], p[1], p[0]);
}

std::vector<COLORREF> CCanvas::Pixels() const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) pixels.push_back(Pixel(x, y));
    return pixels;
}

// Encoded by the system's imaging component.
bool CCanvas::SavePng(const std::string& path) const {
    if (!bits_) return false;
    GdiFlush();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // once per thread; later calls do nothing
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    const std::wstring file(path.begin(), path.end());  // the artefact paths are ASCII
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = RowBytes(width_);
    const bool saved =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(width_, height_)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
        format == GUID_WICPixelFormat24bppBGR && SUCCEEDED(frame->WritePixels(height_, stride, stride * height_, bits_)) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory})
        if (object) object->Release();
    return saved;
}

int CountColour(const CCanvas& canvas, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += canvas.Pixel(x, y) == colour;
    return count;
}

std::vector<COLORREF> ScreenPixels(HWND window) {
    std::vector<COLORREF> pixels;
    WithScreenArea(window, [&](const CCanvas& canvas) {
        pixels = canvas.Pixels();
        return true;
    });
    return pixels;
}

bool SaveWindowPng(HWND window, const std::string& path) {
    return WithScreenArea(window, [&](const CCanvas& canvas) { return canvas.SavePng(path); });
}

}  // namespace test
}  // namespace hoshikura
