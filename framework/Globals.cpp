#include "framework/Globals.h"

int VirtualWidth = VIRTUAL_WIDTH_DEFAULT;
int VirtualHeight = VIRTUAL_HEIGHT_DEFAULT;
float Delta = 0;
int FadeLength = 500;
int FlipSync = 1;
int GraphicsOpen = 0;
int StartupStep = 0;
int UseSystemInput = 0;
std::string AppVersion = "1.20";
std::string GameTitle = "Rosewick";
std::string SharedDataPath;
int LogErrors = 1;
float MessageTextScale = 1.0f;
int QuitFlag = 0;
