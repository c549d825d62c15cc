#pragma once

#include "Painter.h"

// Small emblems shared by cards, the HUD, cursors and effects. Each is drawn centred on
// (cx, cy) and fits a box of size x size unless said otherwise.
class Emblems {
public:
    // Crown (13), tiara (12) or plumed bicorne (11), in one colour for the plain faces.
    static void Headpiece(const Painter& p, int value, double cx, double cy, double size,
                          const Rgb& c);
    static void Crown(const Painter& p, double cx, double cy, double size);
    static void Mask(const Painter& p, double cx, double cy, double size);
    // mode 0: a gilt key (vertical, bow at the top); mode 1: the empty recess it leaves.
    static void Key(const Painter& p, double cx, double cy, double size, int mode);
    static void Padlock(const Painter& p, double cx, double cy, double size);
    static void Letter(const Painter& p, double cx, double cy, double size);
    static void Bow(const Painter& p, double cx, double cy, double size, const Rgb& satin);
    // The three powerups.
    static void Cupid(const Painter& p, double cx, double cy, double size);
    static void Lyre(const Painter& p, double cx, double cy, double size);
    static void Phoenix(const Painter& p, double cx, double cy, double size);
    // An arrow pointing up, tip at the top of the box.
    static void Arrow(const Painter& p, double cx, double cy, double size);
    static void Heart(const Painter& p, double cx, double cy, double size, const Rgb& c);
};
