#include "Canvas.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

Canvas::Canvas(int w, int h) : width(w), height(h) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surface);
}

Canvas::~Canvas() {
    Release();
}

Canvas::Canvas(Canvas&& other) noexcept
    : width(other.width), height(other.height), surface(other.surface), cr(other.cr) {
    other.surface = nullptr;
    other.cr = nullptr;
}

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        Release();
        width = other.width;
        height = other.height;
        surface = other.surface;
        cr = other.cr;
        other.surface = nullptr;
        other.cr = nullptr;
    }
    return *this;
}

void Canvas::Release() {
    if (cr) cairo_destroy(cr);
    if (surface) cairo_surface_destroy(surface);
    cr = nullptr;
    surface = nullptr;
}

std::vector<uint8_t> Canvas::ToRgba() const {
    cairo_surface_flush(surface);
    std::vector<uint8_t> out(static_cast<size_t>(width) * height * 4);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint8_t* dst = out.data() + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a == 0) {
                r = g = b = 0;
            } else if (a < 255) {
                r = std::min<uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<uint32_t>(255, (b * 255 + a / 2) / a);
            }
            dst[x * 4 + 0] = static_cast<uint8_t>(r);
            dst[x * 4 + 1] = static_cast<uint8_t>(g);
            dst[x * 4 + 2] = static_cast<uint8_t>(b);
            dst[x * 4 + 3] = static_cast<uint8_t>(a);
        }
    }
    return out;
}

bool Canvas::OpaqueBounds(int threshold, int& bx, int& by, int& bw, int& bh) const {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    int x0 = width, y0 = height, x1 = -1, y1 = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            if (static_cast<int>(row[x] >> 24) > threshold) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) return false;
    bx = x0;
    by = y0;
    bw = x1 - x0 + 1;
    bh = y1 - y0 + 1;
    return true;
}

Canvas Canvas::Crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    cairo_set_source_surface(out.Cr(), surface, -x, -y);
    cairo_set_operator(out.Cr(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(out.Cr());
    cairo_set_operator(out.Cr(), CAIRO_OPERATOR_OVER);
    return out;
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    longjmp(err->jump, 1);
}

bool IsJpeg(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) return false;
    unsigned char magic[2] = {0, 0};
    if (std::fread(magic, 1, 2, f.get()) != 2) return false;
    return magic[0] == 0xFF && magic[1] == 0xD8;
}

}  // namespace

Canvas Canvas::Load(const std::string& path, std::string& error) {
    if (!IsJpeg(path)) {
        cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(png);
            error = "cannot read " + path;
            return Canvas(1, 1);
        }
        Canvas out(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png));
        cairo_set_source_surface(out.Cr(), png, 0, 0);
        cairo_paint(out.Cr());
        cairo_surface_destroy(png);
        return out;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegFail;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        error = "cannot decode " + path;
        return Canvas(1, 1);
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Canvas out(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    cairo_surface_flush(out.Surface());
    unsigned char* data = cairo_image_surface_get_data(out.Surface());
    const int stride = cairo_image_surface_get_stride(out.Surface());
    std::vector<unsigned char> row(info.output_width * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        unsigned char* rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (unsigned x = 0; x < info.output_width; ++x) {
            dst[x] = 0xFF000000u | (static_cast<uint32_t>(row[x * 3]) << 16) |
                     (static_cast<uint32_t>(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
        }
    }
    cairo_surface_mark_dirty(out.Surface());
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out;
}
