#pragma once

// A card place while a layout is being drawn up: shape-local position (centre of the play
// area at 0,0), tilt in degrees and a stacking key (lower keys lie underneath).
struct LayoutSlot {
    double x = 0;
    double y = 0;
    double rotation = 0;
    double key = 0;
};
