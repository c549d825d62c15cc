#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/TChannelArray.h"
#include "framework/TColor.h"
#include "framework/TDebugVar.h"
#include "framework/TExitScreen.h"
#include "framework/TFPSCounter.h"
#include "framework/TFixedRateLogic.h"
#include "framework/TGameFade.h"
#include "framework/TGameSound.h"
#include "framework/TIniFile.h"
#include "framework/TMousePointer.h"
#include "framework/TScreen.h"
#include "platform/Channel.h"
#include "platform/Graphics.h"
#include "platform/Sample.h"

class TLoadingScreen;
class TProfile;

// The application object: settings, display state, timing, audio, screens, the current
// profile. One lives for the whole run in the module-wide Game.
class TGame {
public:
    TGame();
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // --- Settings and versions
    std::string VersionNumber;

    // --- Display mode
    int FullScreen = 1;
    int WideScreen = 0;
    int BorderlessWindow = 0;
    int ForceWindowedMode = 0;
    int UseDesktopResolution = 0;
    int DrawWidescreenBorders = 0;
    std::shared_ptr<platform::Image> LeftBorderImage;
    std::shared_ptr<platform::Image> RightBorderImage;
    int WindowedAspectRatio = 0;
    int Hertz = 60;
    int Depth = 0;

    // --- Timing
    int DesktopRefreshRate = 60;
    int GameRefreshRate = 60;
    int Fast = 0;
    int LastFlipSync = 0;
    int SlowMotion = 0;
    float SlowMotionSpeed = 0.25f;
    float CurrentSpeed = 1.0f;

    // --- Window
    int WindowX = 0, WindowY = 0, ClientX = 0, ClientY = 0;
    float ScrollX = 0, ScrollY = 0;

    // --- Screens (not owned: screens belong to whoever created them)
    TScreen* CurrentTScreen = nullptr;
    TScreen* DestinationTScreen = nullptr;
    TScreen* LastTScreen = nullptr;

    // --- Timing switches
    int LagFix = 0;
    int VSync = 1;
    int FadeOnExit = 1;
    int NoTiming = 0;
    int NoTimingTicks = 1;

    // --- Drivers
    int Driver = 0;  // 0 = the platform's accelerated renderer, 1 = OpenGL
    int DriverDX7 = 0, DriverDX9 = 0;
    int AlwaysForceDX7 = 0;
    std::string DirectXVersion;

    // --- Pointer and resolution
    int FadeMouse = 0;
    int DesktopWidth = 1024, DesktopHeight = 768;
    int WindowWidth = 1024, WindowHeight = 768;
    float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f;
    float VR_virtualratio = 1.0f, VR_graphicsratio = 1.0f;
    int VR_viewportx = 0, VR_viewporty = 0, VR_viewportw = 1024, VR_viewporth = 768;
    float VR_originx = 0, VR_originy = 0;
    int UsingVirtualResolution = 0;
    float vxOff = 0, vyOff = 0;
    TColor ClsColor{0, 0, 0, 1.0f};
    int CustomMousePointer = 1;

    // --- Screen shake
    int screenShake = 100;
    float screenShakeRange = 0, screenShakeDelta = 0, screenShakeCounter = 0;
    int screenshake_viewportx = 0, screenshake_viewporty = 0;
    int screenshake_viewportw = 0, screenshake_viewporth = 0;

    // --- Process priority
    int FullScreenProcess = 0, FullScreenThread = 0, WindowedProcess = 0, WindowedThread = 0;

    // --- Folders
    int DataInAppBundle = 0;
    int UseCorrectPath = 1;
    int CorrectPathID = 35;
    std::string SubPath = "Quellborne/My Game/";
    std::string DataPrefix;
    std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath,
        LevelsPath, FontPath;

    // --- Audio
    int Sound = 1, Music = 1, Speech = 1;
    int SoundVolume = 100, MusicVolume = 100, CustomMusicVolume = 0, SpeechVolume = 100;
    std::shared_ptr<platform::Sample> MusicSample;
    std::shared_ptr<platform::Channel> MusicChannel;
    std::string MusicFileName, MusicName = "none";
    int MusicLooped = 1, MusicRestart = 1, MusicStopped = 0;
    float MusicFadeIn = 50.0f, MusicFadeInCounter = 0, MusicFadeInDelay = 0;
    float MusicFadeOut = 1000.0f, MusicFadeOutCounter = 0;
    float PauseFadeLength = 100.0f, PauseFadeCounter = 0;
    int PauseFadeDirection = 0;
    std::shared_ptr<platform::Channel> SpecialChannel;
    int FadeMusic = 1;
    std::shared_ptr<TGameSound> EscapeSound;
    std::shared_ptr<platform::Channel> EscapeChannel;
    std::string SoundDriver = "FreeAudio";
    std::unique_ptr<TChannelArray> Channels;
    std::shared_ptr<platform::Channel> SpeechChannel;
    int SpeechStopped = 0;
    // Fresh channels handed out by SoundPlay, held until their sound has finished.
    std::vector<std::shared_ptr<platform::Channel>> LooseChannels;

    // --- Pause and lifecycle
    std::shared_ptr<platform::Image> SpritePaused;
    int FirstTime = 1;
    int InstantExit = 0;
    // Set when Enter went down while Alt was held, until the keys are read.
    int FullScreenChordHit = 0;
    // When the loading bar was last drawn (MoveBar).
    double LastBarFrameMs = -1e9;
    int Fade = 1;
    int NoFade = 0;
    int NoDraw = 0;
    int Particles = 80;
    int PortalSplash = 0, PortalSplash2 = 0;
    int IntroShow = 0;
    int Paused = 0;
    int DimWhenPaused = 1;
    int PauseOnLossOfFocus = 0;
    int PauseOnLossOfFullScreenFocus = 0;
    int PausedMusicState = 0, PausedSpeechState = 0;
    int Suspended = 0;
    int SuspendOnLossOfFocus = 1;
    int BlockKeys = 0;
    int MaxLevels = 10;
    int TerminatedEvent = 0;
    // Return non-zero to refuse the exit.
    std::function<int()> TerminatedUserFunction;
    std::function<int()> UserExitKeyFunction;
    int SuspendedEvent = 0;
    int IgnoreEscapeKey = 0, IgnoreFrameworkKeys = 0, IgnorePauseKey = 0, IgnoreDebugKey = 0;
    std::string OSVersion = "Mac OSX";
    int UseWindowedModeAfterCrash = 1;
    std::function<void()> PausedUserFunction, UnPauseUserFunction, UserSuspendFunction,
        UserResumeFunction;
    // Saves the current profile (installed by the profile code).
    std::function<void()> SaveProfileFunction;

    // --- Clock and debug
    TFixedRateLogic FixedRateLogic;
    int Debug = 0;
    int DebugImageFontGap = 12;
    int DebugShadow = 1;
    int DebugShowFPSOnly = 0;
    float DebugPanel = 0.4f;
    int Debug1 = 0, Debug2 = 0;
    float Debug3 = 0, Debug4 = 0;
    int DebugDisplayX = 0, DebugDisplayY = 0;
    TDebugVar LogicTime, DrawTime, CodeTime;
    TFPSCounter FPS;
    int GraphicPlacement = 0, gpX = 0, gpY = 0;
    int storedX = -1, storedY = -1;

    // --- Owned objects
    std::unique_ptr<platform::Graphics> Gfx;
    std::unique_ptr<TLoadingScreen> LoadingScreen;
    std::unique_ptr<TExitScreen> ExitScreen;
    TGameFade GameFade;
    TMousePointer Mouse;
    std::string ProfileName;
    std::shared_ptr<TProfile> CurrentProfile;
    int Region = 0, SubRegion = 0;

    // --- The framework key table (virtual key codes; 0 disables a key)
    struct Keys {
        int pause = 80, volumeDown = 189, volumeUp = 187, quit = 88, fullScreen = 70, minimise = 66,
            music = 77, sound = 83, fast = 84, slowMotion = 76, screenshot = 123,
            flipSyncCycle = 73, timingOff = 78, vsync = 86, driver = 71, soundDriver = 72,
            debug = 68, storeMouse = 67, printMouse = 79;
        // The keys this game ships disabled.
        void DisableUnused();
    } FrameworkKeys;

    // --- Start-up
    // soundDriverChoice < 1 = from the settings; 1-3 name a driver.
    void Init(int soundDriverChoice, int unused);
    void GraphicsCreate(int forceDX7);

    // --- Frame loop
    // This frame's logic ticks; -1 = exit requested.
    int MainLogicLoop();
    // One logic tick; -1 exit, 0 paused or suspended, 1 ran.
    int LogicWrapper();
    void DoPeekEvent();
    int ReadKeys();
    // -1 = the window was closed or the program asked to end.
    int CheckWindow();
    int GameTerminated();
    void ScreenDraw();
    void PostDraw();
    void ScreenChange();
    int Fading() const { return GameFade.Active; }
    void FadeOff() { NoFade = 1; }
    // Starts a fade-out to dest (lengthMs 0 = FadeLength).
    void FadeTo(TScreen* dest, int lengthMs = 0, int allowAnim = 1);
    // Runs until the loop ends; returns the process exit code. Errors raised inside are
    // reported with the start-up step and end the run.
    int Run();
    void Shutdown();

    // --- Pause and suspension
    void TogglePause();
    void Pause();
    void UnPause();
    void ShowPaused();
    void SpritePausedCreate(std::shared_ptr<platform::Image> image);
    void FastOn();
    void FastOff();
    void SlowMotionOn();
    void SlowMotionOff();
    void SetFlipSync();

    // --- Window and display
    bool WindowPositionChanged() const;
    void SetWindowCoords();
    void SetClientCoords();
    void ToggleFullScreen();
    void ToggleBorderless();
    void ToggleWideScreen();
    void ToggleVSync();
    int SetDriver(int d);
    void ToggleCustomMousePointer();
    void DoMoveMouse(int vx, int vy);
    // Window pixels to virtual units and back.
    void WindowToVirtual(int wx, int wy, int& vx, int& vy) const;
    void VirtualToWindow(int vx, int vy, int& wx, int& wy) const;
    // Fits the 1024x768 area into the window (scaled, pillar- or letter-boxed); clearAll
    // first clears every buffer to black.
    void DoSetVirtualResolution(int clearAll = 0);
    // Virtual resolution = real size, full viewport, origin (0, 0).
    void DisableVirtualResolution();
    // Clears to black and flips 4 times, keeping the clear colour.
    void CLSAllBuffers();
    // Picks the platform's accelerated renderer (forceDX7: without a virtual resolution).
    void SetDXDriver(int forceDX7);
    // Process and thread priority from the full-screen or windowed pair.
    void SetPriority();
    // Puts the system pointer where the game's pointer is.
    void RestoreMouseCoords();
    // The full virtual area with origin (0, 0), remembering the game's viewport and origin;
    // RestoreVRViewPort puts them back. For drawing outside the 1024x768 area.
    void ResetVRViewport();
    void RestoreVRViewPort();
    // Side images for wide full screen; an empty name removes one.
    void SetLeftBorderImage(const std::string& file);
    void SetRightBorderImage(const std::string& file);
    // Shakes the picture by up to range virtual units, changing by rangeChangePerTick each
    // tick, for ticks logic ticks (0 = until the range reaches 0). Scaled by screenShake.
    void SetScreenShake(float range, float rangeChangePerTick, float ticks);
    void OffsetOrigin(int x, int y);
    void RestoreOrigin();
    // The "ScreenShake" setting, clamped to 0-100; save 1 writes the settings.
    void ScreenShakeSetIniValue(int v, int save);
    int NeedsCLSWidescreen() const;
    void CLSWidescreen();
    void DoDrawWidescreenBorders();
    void DoScreenShake();
    void ClearScreenshake();
    // The window was resized to w x h real pixels.
    void WindowResized(int w, int h);
    // Clears to ClsColor (the whole back buffer when the picture has borders).
    void ClsWithColor();
    // A filled rectangle over the whole visible virtual area, borders included.
    void DrawOverWholeArea();

    // --- Settings file and clean-shutdown markers
    TIniFile Ini;
    // Reads, applies and rewrites the settings file (start-up, inside Init).
    void ReadSettings();
    void IniFill();
    void IniExtract();
    void IniUpdate(int markChanged);
    int IniUpdateAttempt(int markChanged);
    static void MakeGoodExit();
    static int MakeGoodExitAttempt();
    void CheckGoodExit();
    int CheckGoodExitAttempt();
    // The settings file path without ".ini".
    std::string SettingsBasePath() const;
    // Where a marker file ("GoodExit.dat", "inichanged.dat") lives.
    std::string MarkerPath(const std::string& file) const;
    // The settings file's name for an executable: without folder and extension, and a
    // name ending in ".debug.exe" loses the ".debug".
    static std::string SettingsFileStem(const std::string& executableName);

    // --- Settings and folders
    void SetDefaultPaths();
    void SetSubPath(const std::string& path, int unused);
    void SetSubPathWrapper(const std::string& path, int unused);
    void ApplySubPath();
    void SetImagePath(const std::string& p);
    void SetSoundPath(const std::string& p);
    void SetMusicPath(const std::string& p);
    void SetSpeechPath(const std::string& p);
    void SetMenuPath(const std::string& p);
    void SetProfilePath(const std::string& p);
    void SetTextPath(const std::string& p);
    void SetLevelsPath(const std::string& p);
    void SetFontPath(const std::string& p);
    // A data path as the code names it, resolved to the file that exists whatever its case.
    std::string ResolveDataPath(const std::string& path) const;

    // --- Audio: sound effects (nothing plays while Sound is 0)
    // Plays on a fresh channel at the sound volume; returns that channel.
    std::shared_ptr<platform::Channel> SoundPlay(std::shared_ptr<platform::Sample> sample);
    // Replaces what channel plays (a fresh one when it is null).
    void SoundPlaySameChannel(std::shared_ptr<platform::Channel>& channel,
                              std::shared_ptr<platform::Sample> sample);
    // Plays on a fresh channel at rate, written back to channel.
    void SoundPlayReturnChannel(std::shared_ptr<platform::Channel>& channel,
                                std::shared_ptr<platform::Sample> sample, float rate);
    // Plays gameSound on channel at its pitch and pan; volume < 0 means the sound's own. The
    // level is scaled by the sound setting and, while a screen fade runs, by the fade.
    void GameSoundPlay(std::shared_ptr<platform::Channel>& channel, TGameSound& gameSound,
                       float pan, float volume = -1.0f);
    void SoundSetVolume(int v, int save);
    void SoundChangeVolume(int d);
    void ToggleSound();
    void SoundOff();
    void SoundOn();
    void ChannelsCreate(int n);
    void ChannelsKill();
    // Opens the named driver; SoundDriver becomes the name, or "None" when it fails.
    void ChangeSoundDriver(const std::string& name, int save = 0);
    // The escape sound: SoundPath + name + ".wav".
    void SetEscapeSound(const std::string& name);
    void EscapeSoundPlay();
    // Stops the music and speech and gives them fresh channels.
    void StopChannels();

    // --- Audio: speech (nothing happens while Speech is 0 or there is no speech channel)
    // interrupt 0 leaves speech that is still playing alone.
    void SpeechPlay(TGameSound& gameSound, int interrupt);
    void SpeechStop();
    void SpeechOff();
    void SpeechOn();
    void SpeechSetVolume(int v, int save);
    void SpeechChangeVolume(int d);

    // --- Audio: music
    // Names the piece (MusicPath + file; "" or "none" for silence) and, with music on, loads
    // it. MusicPlay starts it.
    void MusicLoad(const std::string& file, int looped);
    void MusicSet(std::shared_ptr<platform::Sample> sample, const std::string& name, int looped);
    // customVolume 0 = the music setting, else a percentage of it.
    void MusicPlay(int fadeIn, int customVolume, int startSilent);
    void MusicNone();
    void MusicStop();
    bool MusicIsPlaying() const;
    bool MusicIsAudible() const;
    int GetMusicVolume() const;
    // Share of the fade done, 0 to 1.
    float MusicFadeInCalc() const;
    float MusicFadeOutCalc() const;
    void MusicFadeInApply();
    void MusicFadeOutApply();
    // Once per tick.
    void MusicFadeInManage();
    void MusicFadeOutManage();
    void MusicFadeOutSet(int ms);
    void MusicSetVolume(int v, int save);
    void MusicChangeVolume(int d);
    void ToggleMusic();
    // 1 when it switched the music off.
    int MusicOff();
    // 1 when it switched the music on.
    int MusicOn();
    float PauseFadeCalc() const;
    void PauseFadeApply();
    void PauseFadeManage();

    // --- Input helpers
    void FlushKeysAndMouse();

    // --- Time
    float CalcAnimLength(int ms) const;
    float CalcAnimLengthFromFloat(float ms) const;
    int CalcMilliSecsFromFrames(float frames, int useSpeed) const;

    // --- Diagnostics
    void DebugReset();
    void DebugPrint();
    void TakeScreenshot();
    // Stops and drops the music, speech and escape channels.
    void Kill();

    // The loading-screen step: advance the bar, draw, flip.
    void MoveBar();

    // --- Profiles
    // Deletes every ".dat" file in ProfilePath.
    void DeleteAllProfiles();
    // 1 when ProfilePath holds a profile file; an unreadable folder is fatal.
    int ProfileFolderInUse();

private:
    void MoveMouseEvent(int wx, int wy);
    void ReadFrameworkKeys();
    void ReadDebugKeys();
    void SaveProfileIfPlaying();
};

// The application object.
extern std::unique_ptr<TGame> Game;
