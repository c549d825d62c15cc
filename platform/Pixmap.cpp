#include "platform/Pixmap.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
// After jpeglib.h, which it extends.
#include <jerror.h>
#include <png.h>

namespace platform {

namespace {

enum class FileKind { Png, Jpeg, Unknown };

FileKind Sniff(const std::vector<uint8_t>& bytes) {
    static const uint8_t pngMagic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), pngMagic, 8) == 0) return FileKind::Png;
    if (bytes.size() >= 3 && bytes[0] == 0xff && bytes[1] == 0xd8 && bytes[2] == 0xff) {
        return FileKind::Jpeg;
    }
    return FileKind::Unknown;
}

bool ReadAll(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool DecodePng(const std::vector<uint8_t>& bytes, Pixmap& out, std::string& why) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        why = image.message;
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    Pixmap pixmap(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, pixmap.Data(), 0, nullptr)) {
        why = image.message;
        png_image_free(&image);
        return false;
    }
    out = std::move(pixmap);
    return true;
}

// libjpeg reports fatal errors through error_exit, which by default ends the program; ours
// jumps back into DecodeJpeg instead.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void JpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings are not printed. A file that ends early decodes with grey filling the rest, which
// libjpeg only warns about; we count it as broken.
void JpegWarning(j_common_ptr info, int level) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) manager->truncated = true;
}

// Kept free of C++ objects with destructors between setjmp and longjmp: the decode writes
// into memory owned by the caller.
bool DecodeJpegInto(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& pixels, int& width,
                    int& height, std::string& why) {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegErrorExit;
    errors.base.emit_message = JpegWarning;
    errors.message[0] = 0;
    errors.truncated = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        why = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    pixels.resize(static_cast<size_t>(width) * height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + static_cast<size_t>(info.output_scanline) * width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (errors.truncated) {
        why = "the file ends early";
        return false;
    }
    return true;
}

bool DecodeJpeg(const std::vector<uint8_t>& bytes, Pixmap& out, std::string& why) {
    std::vector<uint8_t> pixels;
    int width = 0, height = 0;
    if (!DecodeJpegInto(bytes, pixels, width, height, why)) return false;
    Pixmap pixmap(width, height);
    std::memcpy(pixmap.Data(), pixels.data(), pixels.size());
    out = std::move(pixmap);
    return true;
}

}  // namespace

Pixmap::Pixmap(int width, int height)
    : width(width > 0 ? width : 0),
      height(height > 0 ? height : 0),
      pixels(static_cast<size_t>(this->width) * this->height * 4, 0) {}

bool Pixmap::Load(const std::string& path, Pixmap& out, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadAll(path, bytes)) {
        error = "Cannot open image " + path;
        return false;
    }
    std::string why;
    bool ok = false;
    switch (Sniff(bytes)) {
        case FileKind::Png:
            ok = DecodePng(bytes, out, why);
            break;
        case FileKind::Jpeg:
            ok = DecodeJpeg(bytes, out, why);
            break;
        case FileKind::Unknown:
            why = "not a PNG or JPEG file";
            break;
    }
    if (!ok) {
        error = "Cannot read image " + path + ": " + why;
        return false;
    }
    return true;
}

bool Pixmap::SavePng(const std::string& path, int compression, bool rgbOnly,
                     std::string& error) const {
    if (Empty()) {
        error = "Cannot save an empty picture as " + path;
        return false;
    }
    // The simplified writer has no compression setting, so this uses the full API.
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "Cannot create " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        error = "Cannot write " + path + ": out of memory";
        return false;
    }
    std::vector<uint8_t> rgb;
    if (rgbOnly) {
        rgb.resize(static_cast<size_t>(width) * height * 3);
        for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
            std::memcpy(&rgb[i * 3], &pixels[i * 4], 3);
        }
    }
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        rows[y] = rgbOnly ? rgb.data() + static_cast<size_t>(y) * width * 3
                          : const_cast<png_bytep>(At(0, y));
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        error = "Cannot write " + path;
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, compression < 0 ? 0 : compression > 9 ? 9 : compression);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 rgbOnly ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        error = "Cannot write " + path;
        return false;
    }
    return true;
}

Pixmap Pixmap::Crop(int x, int y, int w, int h) const {
    int x0 = x < 0 ? 0 : x, y0 = y < 0 ? 0 : y;
    int x1 = x + w > width ? width : x + w, y1 = y + h > height ? height : y + h;
    if (x1 <= x0 || y1 <= y0) return Pixmap();
    Pixmap out(x1 - x0, y1 - y0);
    for (int row = y0; row < y1; ++row) {
        std::memcpy(out.At(0, row - y0), At(x0, row), static_cast<size_t>(x1 - x0) * 4);
    }
    return out;
}

}  // namespace platform
