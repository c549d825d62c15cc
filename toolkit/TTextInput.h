#pragma once
#include <memory>
#include <string>

#include "framework/TColor.h"
#include "toolkit/TBitmapFont.h"
#include "toolkit/TShadow.h"

// A one-line text field typed from the keyboard. While active it blocks the framework's own
// key handling; Enter finishes it (result 1), Escape aborts it (result -1).
class TTextInput {
public:
    std::string Text;  // UTF-8
    int MaxLength = 10;
    int MaxPixelWidth = 0;
    int CurrentChar = 1;  // 1-based position of the next character
    int Active = 0, Done = 0, ForceDraw = 0;
    int X = 0, Y = 0;
    TColor TextCol{255, 255, 255, 1.0f};
    std::shared_ptr<TShadow> TextShadow;
    TColor DotCol{150, 150, 150, 1.0f};
    TColor CursorCol{0, 255, 255, 1.0f};
    int CursorYOffset = 0;
    int Font = 1;  // the drawing layer's image font, used without a bitmap font
    std::shared_ptr<TBitmapFont> BitmapFont;
    int DrawDots = 0;
    int DrawUnderscore = 1;
    float CursorFlashCounter = 0;
    int CursorFlashSpeed = 50;
    int CursorOn = 1;
    int AllowEscToAbort = 1;
    int AllowNull = 1;
    std::string BannedChars;
    int AllowEuropeanChars = 0;
    int AllowExtendedChars = 0;
    int NumbersOnly = 0;
    std::string TypingSound;
    int PlayTypingSoundOnEnter = 1;
    float OffsetX = 0, OffsetY = 0;
    int ClearTextOnEscape = 0;
    int UppercaseFirstCharAsTyped = 0;

    void Init(int imageFont, const std::string& text, int x, int y,
              std::shared_ptr<TBitmapFont> bitmapFont);
    void Reset();
    void SetCursorFlashSpeed(int ms);
    // One typed character per tick: 1 finished by Enter, -1 aborted by Escape, else 0.
    int Manage();
    void PlayTypingSound();
    // Bans the characters file names may not hold.
    void MakeCharsFileNameSafe();
    void Finish();
    // Width of Text + s.
    int GetWidth(const std::string& s) const;
    void Draw();

    // Characters in Text (code points).
    int Length() const;
};
