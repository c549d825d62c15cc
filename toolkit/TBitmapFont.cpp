#include "toolkit/TBitmapFont.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>

#include "framework/Messages.h"
#include "framework/TGame.h"
#include "framework/TGameImage.h"
#include "toolkit/TextState.h"

namespace {
platform::Graphics* Gfx() {
    return Game && Game->Gfx ? Game->Gfx.get() : nullptr;
}

double SinDeg(double d) {
    return std::sin(d * std::numbers::pi / 180.0);
}

// The number in the `chars` characters after the first key in the line's first 255
// characters; 0 when the key is missing or no number follows.
double Field(const std::string& line, const char* key, size_t chars) {
    std::string head = line.substr(0, 255);
    size_t at = head.find(key);
    if (at == std::string::npos) return 0;
    std::string digits = line.substr(at + std::char_traits<char>::length(key), chars);
    return std::strtod(digits.c_str(), nullptr);
}

bool StartsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}
}  // namespace

TBitmapFont::TBitmapFont() {
    for (auto* a : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos})
        a->assign(INITIAL_SLOTS, 0.0);
    ID.assign(INITIAL_SLOTS, 0);
}

std::vector<int> TBitmapFont::CodePoints(const std::string& text) {
    std::vector<int> out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool ok = len > 0 && i + len <= text.size();
        int code = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; ok && k < len; ++k) {
            unsigned char d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) ok = false;
            code = (code << 6) | (d & 0x3F);
        }
        if (!ok) {
            out.push_back(c);
            ++i;
        } else {
            out.push_back(code);
            i += len;
        }
    }
    return out;
}

void TBitmapFont::ExpandArrays() {
    ArraySize += GROW_SLOTS;
    for (auto* a : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos})
        a->resize(ArraySize, 0.0);
    ID.resize(ArraySize, 0);
}

void TBitmapFont::ReadDescription(std::istream& in, int yOffsetAdjust) {
    std::string line;
    ScaleFactor = 1.0;
    if (ReadLine(in, line)) {
        std::string head = line.substr(0, 6);
        for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (head == "SCALEF") {
            ScaleFactor = line.find("scaleF=") != std::string::npos ? Field(line, "scaleF=", 4)
                                                                    : Field(line, "ScaleF=", 4);
        }
    }
    if (!ReadLine(in, line)) return;
    if (StartsWith(line, "info") && !ReadLine(in, line)) return;
    TextureW = Field(line, "scaleW=", 4);
    TextureH = Field(line, "scaleH=", 4);
    if (!ReadLine(in, line)) return;
    if (StartsWith(line, "page") && !ReadLine(in, line)) return;
    bool more = true;
    if (StartsWith(line, "chars")) more = static_cast<bool>(ReadLine(in, line));
    for (; more; more = static_cast<bool>(ReadLine(in, line))) {
        if (StartsWith(line, "kerning")) break;
        int code = static_cast<int>(Field(line, "id=", 5));
        if (code <= 0) continue;
        int slot = code;
        if (code >= DIRECT_SLOTS) {
            slot = DIRECT_SLOTS + NumExtraChars;
            while (slot >= ArraySize) ExpandArrays();
            NumExtraChars++;
        }
        ID[slot] = code;
        xPos[slot] = Field(line, "x=", 4);
        yPos[slot] = Field(line, "y=", 4);
        width[slot] = Field(line, "width=", 3);
        height[slot] = Field(line, "height=", 3);
        xOffset[slot] = Field(line, "xoffset=", 3);
        yOffset[slot] = Field(line, "yoffset=", 3) + yOffsetAdjust;
        xAdvance[slot] = Field(line, "xadvance=", 3);
        NumChars++;
    }
    CalcDrawOffsetY();
}

std::shared_ptr<TBitmapFont> TBitmapFont::Create(const std::string& path, int imageFlags, int,
                                                 int yOffsetAdjust) {
    auto font = std::make_shared<TBitmapFont>();
    std::string fnt = path + ".fnt";
    std::ifstream in(Game ? Game->ResolveDataPath(fnt) : fnt, std::ios::binary);
    if (!in) {
        ShowMessage("Error loading font " + fnt, 1, 1);
        return font;
    }
    font->ReadDescription(in, yOffsetAdjust);
    font->Image = TGameImage::Create(path + ".png", imageFlags, 0);
    return font;
}

void TBitmapFont::CalcDrawOffsetY() {
    DrawOffsetY = -static_cast<int>(yOffset['A']);
}

int TBitmapFont::FindChar(int character) const {
    for (int slot = DIRECT_SLOTS; slot < DIRECT_SLOTS + NumExtraChars && slot < ArraySize; ++slot)
        if (ID[slot] == character) return slot;
    return 0;
}

int TBitmapFont::SlotOf(int character) const {
    if (character < 0) return 0;
    if (character < DIRECT_SLOTS) return character;
    return FindChar(character);
}

double TBitmapFont::StringWidth(const std::string& text) const {
    double sum = 0;
    for (int c : CodePoints(text)) sum += xAdvance[SlotOf(c)] + CharGap;
    if (sum > 0) sum -= CharGap;
    return sum * ScaleFactor;
}

double TBitmapFont::StringHeight(const std::string& text) const {
    double best = 0;
    bool any = false;
    for (int c : CodePoints(text)) {
        int s = SlotOf(c);
        double v = height[s] + yOffset[s] + DrawOffsetY;
        if (!any || v > best) best = v;
        any = true;
    }
    return best * ScaleFactor;
}

double TBitmapFont::StringHeightVertical(const std::string& text) const {
    double sum = 0;
    for (int c : CodePoints(text)) {
        int s = SlotOf(c);
        sum += c == ' ' ? 0.75 * xAdvance[s] : height[s];
    }
    return sum * ScaleFactor;
}

double TBitmapFont::CalcReducedScale(const std::string& text, double maxWidth) const {
    double w = StringWidth(text);
    return w > maxWidth ? maxWidth / w : 1.0;
}

std::string TBitmapFont::TruncateString(const std::string& text, double maxWidth) const {
    std::string best;
    std::string prefix;
    for (size_t i = 0; i < text.size();) {
        // Whole UTF-8 sequences only.
        size_t len = 1;
        while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80)
            ++len;
        prefix += text.substr(i, len);
        i += len;
        if (StringWidth(prefix) > maxWidth * ScaleFactor) break;
        best = prefix;
    }
    return best;
}

void TBitmapFont::ResetHandle() {
    ChangeHandle = 0;
    HandleX = HandleY = 0;
    if (Image && Image->image) Image->image->SetHandle(0, 0);
}

void TBitmapFont::Precache() {
    if (Image) Image->Precache();
}

long TBitmapFont::CalcVRAM() const {
    auto pow2 = [](long v) {
        long p = 1;
        while (p < v) p <<= 1;
        return p;
    };
    long w = Image ? Image->w : static_cast<long>(TextureW);
    long h = Image ? Image->h : static_cast<long>(TextureH);
    return pow2(w) * pow2(h) * 4;
}

void TBitmapFont::Kill() {
    Image.reset();
}

void TBitmapFont::Draw(const std::string& text, double x, double y, int centre, int right,
                       int roundX, int roundY, int shadow, int centreY, int vertical,
                       const std::vector<TColor>& colours) {
    if (text.empty()) return;
    platform::Graphics* g = Gfx();
    if (!g) return;
    int savedR = 255, savedG = 255, savedB = 255;
    if (shadow) {
        g->GetColor(savedR, savedG, savedB);
        g->SetColor(0, 0, 0);
        g->SetAlpha(TextShadowAlpha * TextAlpha);
        x += TextShadowX;
        y += TextShadowY;
    }
    float fsx, fsy;
    g->GetScale(fsx, fsy);
    double sx = fsx, sy = fsy;
    double hx = ScaleFactor * sx, hy = ScaleFactor * sy;
    double fullWidth = StringWidth(text);
    if (!vertical) {
        if (centre) {
            if (ChangeHandle)
                HandleX += fullWidth / 2;
            else
                x -= fullWidth / 2 * sx;
        }
        if (right) {
            if (ChangeHandle)
                HandleX += fullWidth * sx;
            else
                x -= fullWidth * sx;
        }
        if (centreY) {
            if (ChangeHandle)
                HandleY += StringHeight(TestString) / 2;
            else
                y -= StringHeight(TestString) / 2 * sy;
        }
    }
    if (ChangeHandle) {
        HandleX += HandleX - HandleX * ScaleFactor;
        HandleY += HandleY - HandleY * ScaleFactor;
    }
    platform::Image* atlas = Image && Image->image ? Image->image.get() : nullptr;
    double before = 0;
    int k = 0;
    for (int c : CodePoints(text)) {
        if (k >= 255) break;
        int s = SlotOf(c);
        double px, py;
        if (ChangeHandle) {
            px = x;
            py = y;
        } else {
            px = x + xOffset[s] * hx;
            py = vertical ? y : y + (yOffset[s] + DrawOffsetY) * hy;
        }
        double dw = width[s] * ScaleFactor, dh = height[s] * ScaleFactor;
        if (vertical) {
            if (centre) px -= dw / 2 * sx;
            if (right) px -= dw * sx;
        }
        if (CurvatureHeight != 0 && CurvatureWidth != 0) {
            double p = before * sx + xAdvance[s] * ScaleFactor * sx / 2;
            if (centre) p += (CurvatureWidth - fullWidth * sx) / 2;
            if (right) p += CurvatureWidth - fullWidth * sx;
            py += CurvatureHeight * SinDeg(p / CurvatureWidth * CurvatureAngle);
        }
        if (roundX && hx == 1) px = std::floor(px + 0.5);
        if (roundY && hy == 1) py = std::floor(py + 0.5);
        if (!colours.empty() && !shadow) colours[k % colours.size()].Apply();
        if (atlas && width[s] > 0 && height[s] > 0) {
            double hdx = 0, hdy = 0;
            if (ChangeHandle) {
                hdx = HandleX - xOffset[s];
                hdy = HandleY - yOffset[s] - DrawOffsetY;
            }
            atlas->SetHandle(static_cast<float>(xPos[s] + hdx), static_cast<float>(yPos[s] + hdy));
            g->DrawSubImageRect(*atlas, static_cast<float>(px), static_cast<float>(py),
                                static_cast<float>(dw), static_cast<float>(dh),
                                static_cast<float>(xPos[s]), static_cast<float>(yPos[s]),
                                static_cast<float>(width[s]), static_cast<float>(height[s]));
        }
        double a = xAdvance[s] + CharGap;
        before += a * ScaleFactor;
        if (ChangeHandle)
            HandleX -= a;
        else if (vertical)
            y += c == ' ' ? 0.75 * hx * a : dh * sy;
        else
            x += hx * a;
        ++k;
    }
    if (atlas) atlas->SetHandle(0, 0);
    if (shadow) {
        g->SetColor(savedR, savedG, savedB);
        g->SetAlpha(TextAlpha);
    }
}

void TBitmapFont::DrawAligned(const std::string& text, double x, double y, int alignment,
                              int roundX, int roundY, int shadow,
                              const std::vector<TColor>& colours) {
    switch (alignment) {
        case 0:
            Draw(text, x, y, 0, 0, roundX, roundY, shadow, 0, 0, colours);
            break;
        case 1:
            Draw(text, x, y, 1, 0, roundX, roundY, shadow, 0, 0, colours);
            break;
        case 2:
            Draw(text, x, y, 0, 1, roundX, roundY, shadow, 0, 0, colours);
            break;
        case 3:
            Draw(text, x, y, 1, 0, roundX, roundY, shadow, 1, 0, colours);
            break;
        case 4:
            Draw(text, x, y, 0, 0, roundX, roundY, shadow, 1, 0, colours);
            break;
        default:
            break;
    }
}

void TBitmapFont::DrawAlignedWithShadow(const std::string& text, double x, double y, int alignment,
                                        int roundX, int roundY) {
    double hx = HandleX, hy = HandleY;
    DrawAligned(text, x, y, alignment, roundX, roundY, 1);
    // The shadow pass moved a rotated string's handle; the text starts from the same one.
    HandleX = hx;
    HandleY = hy;
    DrawAligned(text, x, y, alignment, roundX, roundY, 0);
}

void TBitmapFont::DrawStringArray(const std::vector<std::string>& lines, double x, double y,
                                  int centre, int right, int roundX, int roundY, int shadow,
                                  int lineGap, int centreVertically) {
    if (lineGap == 0) lineGap = static_cast<int>(StringHeight(TestString));
    if (centreVertically) y -= std::floor(lineGap * static_cast<double>(lines.size()) / 2 + 0.5);
    platform::Graphics* g = Gfx();
    double rotation = g ? g->GetRotation() : 0;
    double slant = std::tan(rotation * std::numbers::pi / 180.0);
    bool handle = ChangeHandle != 0;
    double hx = HandleX, hy = HandleY;
    for (size_t i = 0; i < lines.size(); ++i) {
        double ly = y + static_cast<double>(i) * lineGap;
        double lx = x - slant * (ly - y);
        if (shadow) {
            Draw(lines[i], lx, ly, centre, right, roundX, roundY, 1);
            if (handle) {
                HandleX = hx;
                HandleY = hy;
            }
        }
        Draw(lines[i], lx, ly, centre, right, roundX, roundY, 0);
        if (handle) {
            ResetHandle();
            ChangeHandle = 1;
            HandleX = hx;
            HandleY = hy;
        }
    }
}
