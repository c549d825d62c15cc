#include "screens/TClickToContinue.h"

#include <cmath>

#include "framework/Globals.h"
#include "framework/TGame.h"
#include "toolkit/GameFonts.h"

namespace {

// Words onto lines no wider than width pixels of the drawing layer's font; explicit line
// breaks (CR LF from the game text) are kept.
std::vector<std::string> Wrap(const std::string& text, float width) {
    std::vector<std::string> out;
    std::string line, word;
    auto addWord = [&] {
        if (word.empty()) return;
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && platform::Graphics::TextWidth(candidate) > width) {
            out.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        word.clear();
    };
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            addWord();
            out.push_back(line);
            line.clear();
        } else if (c == ' ') {
            addWord();
        } else {
            word += c;
        }
    }
    addWord();
    if (!line.empty()) out.push_back(line);
    return out;
}

// One gentle pulse every two seconds.
constexpr float PULSE_TICKS = 400.0f;
constexpr float PULSE_DEPTH = 0.04f;

}  // namespace

TClickToContinue::TClickToContinue(std::shared_ptr<TGameImage> up,
                                   std::shared_ptr<TGameImage> overImg,
                                   std::shared_ptr<TGameImage> down,
                                   std::shared_ptr<TGameSound> click,
                                   std::shared_ptr<TGameSound> mouseOver,
                                   const std::string& caption)
    : upImage(std::move(up)),
      overImage(std::move(overImg)),
      downImage(std::move(down)),
      clickSound(std::move(click)),
      overSound(std::move(mouseOver)),
      lines(Wrap(caption, WRAP_WIDTH / (CAPTION_SCALE * FONT_FACTOR))) {
    if (auto font = FindGameFont("Button")) {
        label = TLabel::CreateSpecial(caption, 0, 0, 1, WRAP_WIDTH, 1, font);
        label->Scale = CAPTION_SCALE;
        lines = label->TextArray;
    }
}

float TClickToContinue::CaptionScale() const {
    return CAPTION_SCALE * (label ? 1.0f : FONT_FACTOR) *
           (1.0f + PULSE_DEPTH * std::sin(ticks / PULSE_TICKS * 2.0f * 3.14159265f));
}

bool TClickToContinue::Contains(int px, int py, int offsetX, int offsetY) const {
    if (!upImage) return false;
    float left = x + offsetX - upImage->w2, top = y + offsetY - upImage->h2;
    return px >= left && px < left + upImage->w && py >= top && py < top + upImage->h;
}

void TClickToContinue::Play(const std::shared_ptr<TGameSound>& sound) {
    if (!sound || !Game) return;
    if (Game->Channels) {
        Game->Channels->PlayGameSound(*sound, nullptr, sound->volume, 0);
    } else {
        std::shared_ptr<platform::Channel> channel;
        Game->GameSoundPlay(channel, *sound, 0);
    }
}

int TClickToContinue::Update(int offsetX, int offsetY, bool sounds) {
    ticks += Delta;
    auto& mouse = Game->Mouse;
    bool nowOver = Contains(mouse.x, mouse.y, offsetX, offsetY);
    if (nowOver && !over && sounds) Play(overSound);
    over = nowOver;
    // A click elsewhere is left for the screen to see.
    if (!over || mouse.h1 == 0) return 0;
    mouse.GetLeftClick();
    pressed = true;
    if (sounds) Play(clickSound);
    return 1;
}

int TClickToContinue::Manage(int offsetX, int offsetY) {
    return Update(offsetX, offsetY, true);
}

int TClickToContinue::ManageNoSound(int offsetX, int offsetY) {
    return Update(offsetX, offsetY, false);
}

void TClickToContinue::Press() {
    pressed = true;
    Play(clickSound);
}

void TClickToContinue::Draw(int offsetX, int offsetY) {
    if (!Game || !Game->Gfx) return;
    auto& gfx = *Game->Gfx;
    float cx = x + offsetX, cy = y + offsetY;
    const auto& image = pressed ? downImage : (over ? overImage : upImage);
    gfx.SetBlend(platform::BlendMode::Alpha);
    if (image) image->Draw(cx, cy);
    float scale = CaptionScale();
    if (label) {
        label->Scale = scale;
        label->Draw(cx, cy, 0);
        gfx.ResetState();
        return;
    }
    float lineHeight = platform::Graphics::TextHeight("Ag") * scale;
    float top = cy - lineHeight * static_cast<float>(lines.size()) / 2.0f;
    gfx.SetScale(scale, scale);
    for (size_t i = 0; i < lines.size(); ++i) {
        float w = platform::Graphics::TextWidth(lines[i]) * scale;
        gfx.DrawText(lines[i], cx - w / 2.0f, top + lineHeight * static_cast<float>(i));
    }
    gfx.ResetState();
}
