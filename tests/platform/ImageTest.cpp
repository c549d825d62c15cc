#include <gtest/gtest.h>

#include <tuple>

#include "platform/Image.h"
#include "tests/TestSupport.h"

namespace {

using platform::Image;
using platform::Pixmap;
using testsupport::TempDir;

// A sheet of cols x rows cells of w x h, cell i filled with red = i * 10 + 1.
std::string WriteSheet(const TempDir& dir, int cols, int rows, int w, int h) {
    Pixmap sheet(cols * w, rows * h);
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            uint8_t* p = sheet.At(x, y);
            p[0] = static_cast<uint8_t>(((y / h) * cols + x / w) * 10 + 1);
            p[3] = 255;
        }
    }
    const std::string path = dir.File("sheet.png");
    std::string error;
    EXPECT_TRUE(sheet.SavePng(path, 1, false, error)) << error;
    return path;
}

TEST(ImageTest, StripsAreCutLeftToRightThenTopToBottom) {
    TempDir dir;
    const std::string path = WriteSheet(dir, 4, 3, 5, 7);
    struct Case {
        int first, count;
        int frames, firstCell;
    };
    for (Case c : {Case{0, 12, 12, 0}, Case{3, 2, 2, 3}, Case{5, 0, 7, 5}, Case{11, 1, 1, 11}}) {
        SCOPED_TRACE(std::to_string(c.first) + "+" + std::to_string(c.count));
        std::string error;
        auto image = Image::LoadStrip(path, 5, 7, c.first, c.count, 0, error);
        ASSERT_NE(image, nullptr) << error;
        ASSERT_EQ(image->Frames(), c.frames);
        EXPECT_EQ(image->Width(), 5);
        EXPECT_EQ(image->Height(), 7);
        for (int f = 0; f < c.frames; ++f) {
            const Pixmap& frame = image->FramePixels(f);
            EXPECT_EQ(frame.At(0, 0)[0], (c.firstCell + f) * 10 + 1) << "frame " << f;
            EXPECT_EQ(frame.At(4, 6)[0], (c.firstCell + f) * 10 + 1) << "frame " << f;
        }
    }
}

TEST(ImageTest, AStripLongerThanTheSheetIsAnErrorNamingTheFile) {
    TempDir dir;
    const std::string path = WriteSheet(dir, 2, 2, 4, 4);
    for (auto [first, count, cellW] :
         {std::tuple{0, 5, 4}, std::tuple{3, 2, 4}, std::tuple{-1, 2, 4}, std::tuple{0, 1, 0}}) {
        std::string error;
        EXPECT_EQ(Image::LoadStrip(path, cellW, 4, first, count, 0, error), nullptr);
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
}

TEST(ImageTest, MidHandleFlagCentresTheHandleOnLoad) {
    auto plain = Image::FromPixmap(Pixmap(10, 6), 0);
    EXPECT_EQ(plain->HandleX(), 0);
    EXPECT_EQ(plain->HandleY(), 0);
    auto centred = Image::FromPixmap(Pixmap(10, 6), Image::MID_HANDLE | Image::FILTERED);
    EXPECT_EQ(centred->HandleX(), 5);
    EXPECT_EQ(centred->HandleY(), 3);
    EXPECT_EQ(centred->Flags(), Image::MID_HANDLE | Image::FILTERED);
}

TEST(ImageTest, AMissingFileGivesNullAndAnError) {
    std::string error;
    EXPECT_EQ(Image::Load("/no/such/card.png", 0, error), nullptr);
    EXPECT_NE(error.find("/no/such/card.png"), std::string::npos);
}

}  // namespace
