#pragma once
// Shared by every text-drawing function: the drop shadow set by TShadow::ApplyToText and
// the alpha of the text being drawn (a shadow's alpha is TextShadowAlpha * TextAlpha).
extern float TextShadowX;
extern float TextShadowY;
extern float TextShadowAlpha;
extern float TextAlpha;
