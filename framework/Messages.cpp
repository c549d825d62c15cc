#include "framework/Messages.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TEventSource.h"
#include "framework/TFatalExit.h"
#include "framework/TGame.h"
#include "platform/Clock.h"
#include "platform/Event.h"
#include "platform/SystemInfo.h"

namespace {

std::vector<std::string> WrapText(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line, word;
    auto flushWord = [&]() {
        if (word.empty()) return;
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && platform::Graphics::TextWidth(candidate) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        word.clear();
    };
    for (char c : text) {
        if (c == '\n') {
            flushWord();
            lines.push_back(line);
            line.clear();
        } else if (c == ' ') {
            flushWord();
        } else {
            word += c;
        }
    }
    flushWord();
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Waits for any key or mouse button, straight from the event queue (the frame loop is held).
bool PanelDismissed() {
    platform::Event e;
    bool dismissed = false;
    while (TEventSource::Poll(e)) {
        using T = platform::Event::Type;
        if (e.type == T::KeyDown || e.type == T::MouseDown || e.type == T::WindowClose ||
            e.type == T::Terminate)
            dismissed = true;
    }
    return dismissed;
}

}  // namespace

std::string FormatErrorLogEntry(const std::string& text) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char date[32], time[32];
    std::strftime(date, sizeof date, "%d %b %Y", &tm);
    std::strftime(time, sizeof time, "%H:%M:%S", &tm);
    return std::string(57, '-') + "\n" + "Date: " + date + "   Time: " + time + "\n" + text + "\n";
}

void AppendErrorLog(const std::string& text) {
    std::string path = SharedDataPath + "ErrorLog.txt";
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return;
    std::string entry = FormatErrorLogEntry(text);
    std::fwrite(entry.data(), 1, entry.size(), f);
    std::fclose(f);
}

std::string CrashReportText(const std::string& text) {
    if (StartupStep == 0) return text;
    // Appended piece by piece: GCC 12 flags the chained operator+ form as overlapping at -O2.
    std::string report = "(";
    report += std::to_string(StartupStep);
    report += ") ";
    report += text;
    return report;
}

void DrawMessagePanel(const std::string& text, int width, int height) {
    auto& gfx = *Game->Gfx;
    float scale = MessageTextScale;
    float w = width * scale, h = height * scale;
    float x = (1024 - w) / 2, y = (768 - h) / 2;
    gfx.ResetState();
    gfx.SetColor(0, 0, 0);
    gfx.DrawRect(x + 4, y + 4, w, h);
    gfx.SetColor(150, 150, 150);
    gfx.DrawRect(x, y, w, h);
    gfx.SetColor(220, 220, 200);
    gfx.DrawLine(x, y, x + w, y);
    gfx.DrawLine(x + w, y, x + w, y + h);
    gfx.DrawLine(x + w, y + h, x, y + h);
    gfx.DrawLine(x, y + h, x, y);
    gfx.SetScale(scale, scale);
    gfx.SetColor(0, 220, 220);
    float lineY = y + 10 * scale;
    for (const auto& line : WrapText(text, static_cast<int>(width - 20))) {
        float lw = platform::Graphics::TextWidth(line) * scale;
        gfx.DrawText(line, 512 - lw / 2, lineY);
        lineY += platform::Graphics::TextHeight(line) * scale;
    }
    const std::string press = "<press any key>";
    gfx.SetColor(0, 220, 0);
    float pw = platform::Graphics::TextWidth(press) * scale;
    float ph = platform::Graphics::TextHeight(press) * scale;
    gfx.DrawText(press, 512 - pw / 2, y + h - 10 * scale - ph);
    gfx.ResetState();
}

void MessagePanel(const std::string& text, int width, int height) {
    if (!Game || !Game->Gfx || !Game->Gfx->IsOpen()) return;
    // Drop what the window had already queued: only a fresh key or click closes it. Scripted
    // input stands for keys pressed after the panel appears, so it stays.
    if (GraphicsOpen) platform::Input::Flush();
    do {
        // The screen underneath is not redrawn: the error may have come from its Draw.
        Game->ClsWithColor();
        DrawMessagePanel(text, width, height);
        Game->Gfx->Flip(1);
        platform::Clock::Delay(10);
    } while (!PanelDismissed());
    Game->Gfx->SetColor(255, 255, 255);
    Game->FlushKeysAndMouse();
}

void ShowMessage(const std::string& text, int fatal, int log) {
    if (GraphicsOpen) {
        int oldSystemInput = UseSystemInput;
        UseSystemInput = 1;
        MessagePanel(text, 600, 100);
        UseSystemInput = oldSystemInput;
    } else {
        platform::SystemInfo::MessageBox(GameTitle, text);
    }
    if (LogErrors && log) AppendErrorLog(text);
    if (fatal) throw TFatalExit(text);
}
