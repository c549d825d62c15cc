#pragma once

#include <string>

#include "AssetWriter.h"
#include "Canvas.h"
#include "Painter.h"

// Every card picture: decorated and plain faces, backs, wildcards and joker, key, lock and
// event cards, the bow and lock-counter overlays, the glow.
class CardArt {
public:
    static constexpr int W = 86;
    static constexpr int H = 128;

    CardArt(const FontLibrary& fonts, AssetWriter& out) : fonts(fonts), out(out) {}
    void Generate();

    // Single pictures, also used by the contact sheet and the effects.
    Canvas Face(int value, int suit, bool plain) const;
    Canvas Back(int index) const;

private:
    void Blank(const Painter& p, const Rgb& top, const Rgb& bottom, bool gilt) const;
    void Index(const Painter& p, int value, int suit, bool plain) const;
    void Pips(const Painter& p, int value, int suit) const;
    void Ace(const Painter& p, int suit, bool plain) const;
    void Court(const Painter& p, int value, int suit) const;
    void PlainCourt(const Painter& p, int value, int suit) const;
    Canvas Wildcard(int value) const;
    Canvas Joker() const;
    Canvas KeyCard(bool withKey) const;
    Canvas LockCard() const;
    Canvas EventCard() const;
    Canvas Bow() const;
    Canvas Regal(int counter) const;
    Canvas Glow() const;
    Canvas TestCard() const;

    const FontLibrary& fonts;
    AssetWriter& out;
};
