#pragma once

// Virtual key codes, as the framework's key table uses them (the codes of the Windows
// virtual keys, so 'A'..'Z' and '0'..'9' are their ASCII codes).
namespace platform::keys {

constexpr int BACKSPACE = 8;
constexpr int TAB = 9;
constexpr int ENTER = 13;
constexpr int SHIFT = 16;
constexpr int CONTROL = 17;
constexpr int ALT = 18;
constexpr int PAUSE = 19;
constexpr int CAPSLOCK = 20;
constexpr int ESCAPE = 27;
constexpr int SPACE = 32;
constexpr int PAGEUP = 33;
constexpr int PAGEDOWN = 34;
constexpr int END = 35;
constexpr int HOME = 36;
constexpr int LEFT = 37;
constexpr int UP = 38;
constexpr int RIGHT = 39;
constexpr int DOWN = 40;
constexpr int INSERT = 45;
constexpr int DELETE = 46;
constexpr int KEY_0 = 48;  // .. KEY_0 + 9
constexpr int KEY_A = 65;  // .. KEY_A + 25
constexpr int LSYS = 91;
constexpr int RSYS = 92;
constexpr int NUM0 = 96;  // .. NUM0 + 9
constexpr int NUMMULTIPLY = 106;
constexpr int NUMADD = 107;
constexpr int NUMSUBTRACT = 109;
constexpr int NUMDECIMAL = 110;
constexpr int NUMDIVIDE = 111;
constexpr int F1 = 112;  // .. F1 + 11
constexpr int F12 = 123;
constexpr int LSHIFT = 160;
constexpr int RSHIFT = 161;
constexpr int LCONTROL = 162;
constexpr int RCONTROL = 163;
constexpr int LALT = 164;
constexpr int RALT = 165;
constexpr int SEMICOLON = 186;
constexpr int EQUALS = 187;
constexpr int COMMA = 188;
constexpr int MINUS = 189;
constexpr int PERIOD = 190;
constexpr int SLASH = 191;
constexpr int TILDE = 192;
constexpr int OPENBRACKET = 219;
constexpr int BACKSLASH = 220;
constexpr int CLOSEBRACKET = 221;
constexpr int QUOTES = 222;

constexpr int COUNT = 256;

}  // namespace platform::keys
