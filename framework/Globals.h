#pragma once

#include <string>

// Module-wide values of the framework: one instance each for the whole run.

// The game's logical drawing resolution; every position is in these units.
inline constexpr int VIRTUAL_WIDTH_DEFAULT = 1024;
inline constexpr int VIRTUAL_HEIGHT_DEFAULT = 768;
extern int VirtualWidth;
extern int VirtualHeight;

// Share of a full logic tick that the current tick stands for (1.0 for whole ticks);
// every per-tick change is multiplied by it.
extern float Delta;

// Default length of a screen fade in milliseconds.
extern int FadeLength;
// Sync argument of every flip: 1 vertical blank, 0 none, -1 paced by the drawing layer.
extern int FlipSync;
// 0 until graphics exist: decides whether a message is a system box or an in-game panel.
extern int GraphicsOpen;
// Number of the last start-up step reached, quoted in crash reports.
extern int StartupStep;
// When 1 the framework's input queries go to the drawing layer's own functions.
extern int UseSystemInput;
extern std::string AppVersion;
extern std::string GameTitle;

// Error log: folder of the log (a copy of the shared data folder) and whether to write it.
extern std::string SharedDataPath;
extern int LogErrors;
extern float MessageTextScale;

// Set to 1 to end the frame loop after the current frame.
extern int QuitFlag;
