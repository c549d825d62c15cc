#include "toolkit/TTextInput.h"

#include <algorithm>
#include <vector>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "toolkit/ImageFontText.h"
#include "toolkit/TextState.h"
#include "toolkit/Ticks.h"
#include "toolkit/ToolkitSound.h"

namespace {
std::string Utf8(int c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string FirstChars(const std::string& text, int n) {
    std::string out;
    int k = 0;
    for (int c : TBitmapFont::CodePoints(text)) {
        if (k++ >= n) break;
        out += Utf8(c);
    }
    return out;
}

bool Blank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The next typed character, with the editing keys the text queue does not carry.
int NextChar() {
    int c = GetChar();
    if (c) return c;
    if (KeyHit(platform::keys::BACKSPACE)) return 8;
    if (KeyHit(platform::keys::ENTER)) return 13;
    if (KeyHit(platform::keys::ESCAPE)) return 27;
    return 0;
}

void FlushInput() {
    FlushKeyboard();
    if (Game) Game->Mouse.ClearMouseHit();
}
}  // namespace

int TTextInput::Length() const {
    return static_cast<int>(TBitmapFont::CodePoints(Text).size());
}

void TTextInput::Init(int imageFont, const std::string& text, int x, int y,
                      std::shared_ptr<TBitmapFont> bitmapFont) {
    Font = imageFont;
    Text = text;
    X = x;
    Y = y;
    BitmapFont = std::move(bitmapFont);
    CurrentChar = Length() + 1;
    TextCol = TColor(255, 255, 255, 1.0f);
    DotCol = TColor(150, 150, 150, 1.0f);
    CursorCol = TColor(0, 255, 255, 1.0f);
    SetCursorFlashSpeed(250);
    Reset();
}

void TTextInput::Reset() {
    Active = 1;
    Done = 0;
    if (Game) Game->BlockKeys = 1;
    FlushInput();
}

void TTextInput::SetCursorFlashSpeed(int ms) {
    CursorFlashSpeed = static_cast<int>(MsToTicks(static_cast<float>(ms)));
}

void TTextInput::Finish() {
    Active = 0;
    Done = 1;
    if (Game) Game->BlockKeys = 0;
    FlushInput();
}

void TTextInput::PlayTypingSound() {
    PlayToolkitSound(TypingSound);
}

void TTextInput::MakeCharsFileNameSafe() {
    BannedChars = "\"|*\\/:;~?<>,+=%";
}

int TTextInput::GetWidth(const std::string& s) const {
    std::string all = Text + s;
    if (BitmapFont) return static_cast<int>(BitmapFont->StringWidth(all));
    return static_cast<int>(ImageFontTextWidth(all));
}

int TTextInput::Manage() {
    if (!Active) return 0;
    int c = NextChar();
    if (c) {
        std::vector<int> banned = TBitmapFont::CodePoints(BannedChars);
        bool isBanned = std::find(banned.begin(), banned.end(), c) != banned.end();
        if (isBanned) {
            c = 0;
        } else if (c == 8) {
            if (CurrentChar > 1) {
                CurrentChar--;
                PlayTypingSound();
            }
            Text = FirstChars(Text, CurrentChar - 1);
            c = 0;
        } else if (NumbersOnly && c != 13 && !(c >= '0' && c <= '9')) {
            c = 0;
        }
    }
    if (c && c != 13 && c != 27) {
        bool accepted = (c >= 32 && c <= 126) || (c >= 127 && c <= 255 && AllowEuropeanChars) ||
                        (c >= 127 && AllowExtendedChars == 1);
        if (accepted && MaxLength >= CurrentChar) {
            int ch = c;
            if (UppercaseFirstCharAsTyped && CurrentChar == 1 && ch >= 'a' && ch <= 'z') ch -= 32;
            std::string add = Utf8(ch);
            if (MaxPixelWidth == 0 || GetWidth(add) <= MaxPixelWidth) {
                Text += add;
                CurrentChar++;
                PlayTypingSound();
            }
        }
    } else if (c == 13) {
        if (PlayTypingSoundOnEnter) PlayTypingSound();
        if (AllowNull || !Blank(Text)) {
            Finish();
            return 1;
        }
        FlushInput();
    } else if (c == 27 && AllowEscToAbort) {
        if (ClearTextOnEscape) {
            Text.clear();
            CurrentChar = 1;
        }
        Finish();
        return -1;
    }
    CursorFlashCounter += Delta;
    if (CursorFlashCounter >= CursorFlashSpeed) {
        CursorOn = CursorOn ? 0 : 1;
        CursorFlashCounter = 0;
    }
    return 0;
}

void TTextInput::Draw() {
    if ((!Active && !ForceDraw) || !Game || !Game->Gfx) return;
    auto& g = *Game->Gfx;
    float px = X + OffsetX, py = Y + OffsetY;
    auto draw = [&](const std::string& s, float dx, float dy, const TColor& colour, bool shadow) {
        colour.Apply();
        TextAlpha = colour.Alpha;
        if (BitmapFont)
            BitmapFont->Draw(s, px + dx, py + dy, 0, 0, 1, 1, shadow ? 1 : 0);
        else
            DrawImageFontText(s, px + dx, py + dy, 0, 1, shadow ? 1 : 0);
    };
    if (TextShadow) {
        TextShadow->ApplyToText();
        draw(Text, 0, 0, TextCol, true);
    }
    draw(Text, 0, 0, TextCol, false);
    float textWidth = static_cast<float>(GetWidth(""));
    int length = Length();
    if (DrawUnderscore && length < MaxLength && CursorOn)
        draw("_", textWidth, static_cast<float>(-CursorYOffset), CursorCol, false);
    if (DrawDots && length < MaxLength) {
        std::string dots(static_cast<size_t>(MaxLength - length), '.');
        float dotsX =
            textWidth + (DrawUnderscore ? static_cast<float>(GetWidth("_")) - textWidth : 0);
        draw(dots, dotsX, 0, DotCol, false);
    }
    TextAlpha = 1;
    g.SetColor(255, 255, 255);
    g.SetAlpha(1);
}
