#include "progression/TGameState.h"

int timedMode = 1;
