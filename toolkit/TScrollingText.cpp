#include "toolkit/TScrollingText.h"

#include <algorithm>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/TGame.h"
#include "toolkit/TextWrap.h"

std::shared_ptr<TScrollingText> TScrollingText::Create(const std::string& text,
                                                       std::shared_ptr<TBitmapFont> font, float x,
                                                       float y, int linesOnScreen, int lineGap,
                                                       int width, float speed) {
    auto s = std::make_shared<TScrollingText>();
    s->_font = std::move(font);
    s->_x = x;
    s->_y = y;
    s->_linesOnScreen = linesOnScreen;
    s->_lineGap = lineGap;
    s->_width = width;
    s->_scrollSpeed = speed;
    s->_InitText(text);
    s->_currentLine = 0;
    s->_currentScrollPos = static_cast<float>(lineGap - 1);
    return s;
}

void TScrollingText::_InitText(const std::string& text) {
    std::string padded(static_cast<size_t>(std::max(0, _linesOnScreen)), '\n');
    padded += text;
    auto measure = [this](const std::string& s) { return _font ? _font->StringWidth(s) : 0.0; };
    _textArray = WrapTextLines(SplitTextLines(padded), _width, 1.0, measure);
}

void TScrollingText::Logic() {
    float step = _scrollSpeed * Delta;
    if (KeyDown(platform::keys::LSHIFT) || KeyDown(platform::keys::RSHIFT)) step *= 10;
    _currentScrollPos += step;
    while (_lineGap > 0 && _currentScrollPos >= _lineGap) {
        _currentScrollPos -= _lineGap;
        _currentLine++;
        if (_currentLine >= static_cast<int>(_textArray.size())) _currentLine = 0;
    }
}

float TScrollingText::LineAlpha(float ly) const {
    float a;
    if (ly < _y + fadeRange) {
        a = (ly - _y) / fadeRange;
    } else {
        float bottom = static_cast<float>(static_cast<int>(_y + (_linesOnScreen - 1) * _lineGap));
        a = 1 - (ly - (bottom - fadeRange)) / fadeRange;
    }
    return std::clamp(a, 0.0f, 1.0f);
}

void TScrollingText::Draw() {
    if (!Game || !Game->Gfx || !_font || _textArray.empty()) return;
    auto& g = *Game->Gfx;
    int n = static_cast<int>(_textArray.size());
    for (int i = 0; i < _linesOnScreen; ++i) {
        std::string line = _textArray[(_currentLine + i) % n];
        float ly = _y - _currentScrollPos + static_cast<float>(i * _lineGap);
        const TColor* colour = &bodyColor;
        if (!line.empty() && line[0] == '*') {
            line.erase(0, 1);
            colour = &headerColor;
        }
        g.SetColor(colour->R, colour->G, colour->B);
        g.SetAlpha(LineAlpha(ly) * colour->Alpha);
        _font->Draw(line, _x, ly, 1);
    }
    g.SetColor(255, 255, 255);
    g.SetAlpha(1);
}
