#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/Pixmap.h"

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "tests/TestSupport.h"

namespace {

using platform::Pixmap;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

// A picture where every pixel differs from its neighbours in every channel, alpha included.
Pixmap Pattern(int w, int h) {
    Pixmap p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* px = p.At(x, y);
            px[0] = static_cast<uint8_t>(x * 37 + y * 11);
            px[1] = static_cast<uint8_t>(x * 5 + y * 71);
            px[2] = static_cast<uint8_t>(x * y * 3 + 17);
            px[3] = static_cast<uint8_t>(255 - (x * 13 + y * 29) % 256);
        }
    }
    return p;
}

// A baseline JPEG of solid colour (or, noisy, a checkerboard that leaves most of the file to
// the scan data), written with libjpeg itself.
void WriteJpeg(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b,
               bool noisy = false) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < w; ++x) {
            const bool dark = noisy && ((x ^ static_cast<int>(info.next_scanline)) & 1);
            row[x * 3] = dark ? r / 2 : r;
            row[x * 3 + 1] = dark ? g / 2 : g;
            row[x * 3 + 2] = dark ? b / 2 : b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

TEST(PixmapTest, PngRoundTripKeepsEveryPixelAtEveryCompression) {
    TempDir dir;
    const Pixmap original = Pattern(23, 17);
    struct Case {
        int compression;
        bool rgbOnly;
    };
    for (Case c : {Case{0, false}, Case{6, false}, Case{9, false}, Case{0, true}, Case{9, true}}) {
        SCOPED_TRACE("compression " + std::to_string(c.compression) +
                     (c.rgbOnly ? " rgb" : " rgba"));
        const std::string path = dir.File("shot.png");
        std::string error;
        ASSERT_TRUE(original.SavePng(path, c.compression, c.rgbOnly, error)) << error;
        // Colour type byte of the IHDR chunk: 6 = RGBA, 2 = RGB.
        EXPECT_EQ(ReadFile(path).at(25), c.rgbOnly ? 2 : 6);
        Pixmap loaded;
        ASSERT_TRUE(Pixmap::Load(path, loaded, error)) << error;
        ASSERT_EQ(loaded.Width(), 23);
        ASSERT_EQ(loaded.Height(), 17);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 23; ++x) {
                const uint8_t* a = original.At(x, y);
                const uint8_t* b = loaded.At(x, y);
                ASSERT_EQ(a[0], b[0]) << x << "," << y;
                ASSERT_EQ(a[1], b[1]) << x << "," << y;
                ASSERT_EQ(a[2], b[2]) << x << "," << y;
                ASSERT_EQ(c.rgbOnly ? 255 : a[3], b[3]) << x << "," << y;
            }
        }
    }
}

TEST(PixmapTest, HigherCompressionWritesASmallerFile) {
    TempDir dir;
    Pixmap flat(200, 200);  // all zero: compresses extremely well
    std::string error;
    ASSERT_TRUE(flat.SavePng(dir.File("0.png"), 0, false, error)) << error;
    ASSERT_TRUE(flat.SavePng(dir.File("9.png"), 9, false, error)) << error;
    EXPECT_LT(ReadFile(dir.File("9.png")).size() * 10, ReadFile(dir.File("0.png")).size());
}

TEST(PixmapTest, BrokenFilesFailWithTheirPathNamed) {
    TempDir dir;
    const std::string png = dir.File("good.png");
    const std::string jpeg = dir.File("good.jpg");
    std::string error;
    ASSERT_TRUE(Pattern(40, 40).SavePng(png, 6, false, error)) << error;
    WriteJpeg(jpeg, 64, 64, 10, 200, 30, true);
    const std::string pngBytes = ReadFile(png);
    const std::string jpegBytes = ReadFile(jpeg);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty.png", ""},
        {"garbage.png", "this is not a picture at all"},
        {"truncated.png", pngBytes.substr(0, pngBytes.size() / 2)},
        {"header-only.png", pngBytes.substr(0, 8)},
        {"truncated.jpg", jpegBytes.substr(0, 200)},
        {"cut-in-scan.jpg", jpegBytes.substr(0, jpegBytes.size() * 3 / 4)},
        {"magic-only.jpg", jpegBytes.substr(0, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(c.name);
        WriteFile(path, c.bytes);
        Pixmap out;
        error.clear();
        EXPECT_FALSE(Pixmap::Load(path, out, error));
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
    Pixmap out;
    const std::string missing = dir.File("missing.png");
    EXPECT_FALSE(Pixmap::Load(missing, out, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
}

TEST(PixmapTest, JpegDecodesToOpaqueRgba) {
    TempDir dir;
    // Named .png on purpose: the content decides the decoder, not the name.
    const std::string path = dir.File("photo.png");
    WriteJpeg(path, 33, 21, 200, 60, 20);
    Pixmap out;
    std::string error;
    ASSERT_TRUE(Pixmap::Load(path, out, error)) << error;
    ASSERT_EQ(out.Width(), 33);
    ASSERT_EQ(out.Height(), 21);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{32, 20}, std::pair{16, 10}}) {
        const uint8_t* p = out.At(x, y);
        EXPECT_NEAR(p[0], 200, 4);
        EXPECT_NEAR(p[1], 60, 4);
        EXPECT_NEAR(p[2], 20, 4);
        EXPECT_EQ(p[3], 255);
    }
}

TEST(PixmapTest, CropIsClippedToThePicture) {
    const Pixmap p = Pattern(10, 8);
    struct Case {
        int x, y, w, h;
        int wantX, wantY, wantW, wantH;
    };
    const Case cases[] = {
        {2, 3, 4, 2, 2, 3, 4, 2},    // inside
        {-3, -2, 6, 5, 0, 0, 3, 3},  // over the top-left corner
        {7, 6, 10, 10, 7, 6, 3, 2},  // over the bottom-right corner
        {10, 0, 4, 4, 0, 0, 0, 0},   // wholly outside
        {0, 0, 0, 5, 0, 0, 0, 0},    // no width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        Pixmap crop = p.Crop(c.x, c.y, c.w, c.h);
        ASSERT_EQ(crop.Width(), c.wantW);
        ASSERT_EQ(crop.Height(), c.wantH);
        if (crop.Empty()) continue;
        EXPECT_EQ(std::memcmp(crop.At(0, 0), p.At(c.wantX, c.wantY), 4), 0);
        EXPECT_EQ(std::memcmp(crop.At(c.wantW - 1, c.wantH - 1),
                              p.At(c.wantX + c.wantW - 1, c.wantY + c.wantH - 1), 4),
                  0);
    }
}

TEST(PixmapTest, SavingFailsWithAnErrorInsteadOfEnding) {
    std::string error;
    EXPECT_FALSE(Pattern(4, 4).SavePng("/nonexistent-folder/x.png", 6, false, error));
    EXPECT_NE(error.find("/nonexistent-folder/x.png"), std::string::npos) << error;
    EXPECT_FALSE(Pixmap().SavePng("/tmp/empty.png", 6, false, error));
}

}  // namespace
