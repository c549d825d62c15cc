#pragma once
// Milliseconds to logic ticks at the current game speed (TGame::CalcAnimLength); without a
// Game (unit tests of pure arithmetic) the 5 ms tick at normal speed.
float MsToTicks(float ms);
