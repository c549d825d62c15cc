#pragma once

#include "framework/TScreen.h"

// Reaching this screen ends the frame loop.
class TExitScreen : public TScreen {
public:
    TExitScreen() { name = "exit"; }
};
