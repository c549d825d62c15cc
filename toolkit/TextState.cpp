#include "toolkit/TextState.h"

float TextShadowX = 2.0f;
float TextShadowY = 2.0f;
float TextShadowAlpha = 0.5f;
float TextAlpha = 1.0f;
