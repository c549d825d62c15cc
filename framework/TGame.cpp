#include "framework/TGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/Messages.h"
#include "framework/TEventSource.h"
#include "framework/TFatalExit.h"
#include "framework/TLoadingScreen.h"
#include "framework/TRandom.h"
#include "platform/Clock.h"
#include "platform/PathResolver.h"
#include "platform/SystemInfo.h"

std::unique_ptr<TGame> Game;

namespace {

const char* const kSoundDrivers[] = {"FreeAudio", "DirectSound", "OpenAL Generic Software"};

bool CreateFolder(const std::string& path, bool withParents) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return true;
    if (withParents) {
        std::filesystem::create_directories(path, ec);
    } else {
        std::filesystem::create_directory(path, ec);
    }
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

void TGame::Keys::DisableUnused() {
    volumeDown = volumeUp = 0;
    minimise = 0;
    sound = 0;
    fast = 0;
    flipSyncCycle = 0;
    timingOff = 0;
    soundDriver = 0;
}

TGame::TGame()
    : VersionNumber(AppVersion),
      LoadingScreen(std::make_unique<TLoadingScreen>()),
      ExitScreen(std::make_unique<TExitScreen>()) {
    SetDefaultPaths();
}

TGame::~TGame() = default;

// ---------------------------------------------------------------------------------------------
// Start-up

void TGame::Init(int soundDriverChoice, int /*unused*/) {
    uint64_t seed = static_cast<uint64_t>(platform::Clock::Millisecs());
    RulesRandom.Seed(seed);
    FixedRateLogic.Label = "Ticks   ";
    LogicTime.Label = "Logic   ";
    DrawTime.Label = "Draw    ";
    CodeTime.Label = "Code    ";
    FPS.Label = "FPS     ";

    if (UseCorrectPath && !CreateFolder(SubPath, true))
        ShowMessage("Cannot create shared data folder " + SubPath, 1, 1);
    // The all-users folder needs no access-list grant here: the system folder is already
    // shared by its own permissions.

    ReadSettings();

    if (!CreateFolder(ProfilePath, false))
        ShowMessage("Cannot create shared profiles folder " + ProfilePath, 1, 1);

    SetFlipSync();

    if (soundDriverChoice < 1) {
        ChangeSoundDriver(SoundDriver == "None" ? "FreeAudio" : SoundDriver);
    } else if (soundDriverChoice <= 3) {
        ChangeSoundDriver(kSoundDrivers[soundDriverChoice - 1]);
    }

    OSVersion = platform::SystemInfo::OSName();
    if (OSVersion != "Windows XP") {
        SoundDriver = "OpenAL Generic Software";
        ChangeSoundDriver(SoundDriver);
    }

    FixedRateLogic.Create();
    MusicChannel = std::make_shared<platform::Channel>();
    SpeechChannel = std::make_shared<platform::Channel>();
    EscapeChannel = std::make_shared<platform::Channel>();
}

// ---------------------------------------------------------------------------------------------
// Frame loop

int TGame::MainLogicLoop() {
    FixedRateLogic.Calc();
    if (NoTiming) FixedRateLogic.NumTicks = NoTimingTicks;
    double ticks = FixedRateLogic.NumTicks;
    LogicTime.Start();
    int whole = static_cast<int>(std::floor(ticks));
    for (int i = 0; i < whole; ++i) {
        FixedRateLogic.SetDelta(1.0f);
        if (LogicWrapper() == -1) return -1;
    }
    double fraction = std::fmod(ticks, 1.0);
    if (fraction > 0) {
        FixedRateLogic.SetDelta(static_cast<float>(fraction));
        if (LogicWrapper() == -1) return -1;
    }
    LogicTime.Calc();
    return 1;
}

int TGame::LogicWrapper() {
    Mouse.ClearMouseHit();
    Mouse.Manage();
    DoPeekEvent();
    ReadKeys();
    if (InstantExit) return -1;
    if (Paused || Suspended) return 0;
    GameFade.Manage();
    DoScreenShake();
    if (!GameFade.Active || GameFade.AllowAnim) {
        ScreenChange();
        if ((!GameFade.Active || GameFade.AllowAnim) && CurrentTScreen) CurrentTScreen->Logic();
        if (Fade == 0) ScreenChange();
    }
    return 1;
}

void TGame::MoveMouseEvent(int wx, int wy) {
    int vx = wx, vy = wy;
    if (UsingVirtualResolution) {
        WindowToVirtual(wx, wy, vx, vy);
        // In wide full screen the game's pointer stays on the 4:3 picture.
        if (FullScreen && WideScreen && CustomMousePointer) {
            int cx = std::clamp(vx, 0, 1023), cy = std::clamp(vy, 0, 767);
            if (cx != vx || cy != vy) {
                vx = cx;
                vy = cy;
                DoMoveMouse(vx, vy);
            }
        }
    }
    Mouse.MoveTo(vx, vy);
}

void TGame::DoPeekEvent() {
    using T = platform::Event::Type;
    platform::Event e;
    while (TEventSource::Poll(e)) {
        switch (e.type) {
            case T::Suspend:
                if (SuspendOnLossOfFocus) SuspendedEvent = 1;
                break;
            case T::Resume:
                SuspendedEvent = 0;
                break;
            case T::Terminate:
            case T::WindowClose:
                TerminatedEvent = 1;
                break;
            case T::KeyDown:
                if (e.code > 0 && e.code < platform::keys::COUNT) {
                    // Alt+Enter counts as pressed together even when Alt is already up again
                    // by the time the keys are read.
                    if (e.code == platform::keys::ENTER && AltDown()) FullScreenChordHit = 1;
                    KeyDownStates[e.code] = 1;
                    KeyHitCounts[e.code] += 1;
                }
                break;
            case T::KeyUp:
                if (e.code > 0 && e.code < platform::keys::COUNT) KeyDownStates[e.code] = 0;
                break;
            case T::KeyChar:
                PushChar(e.code);
                break;
            // A press also tells where the pointer is: a pointer that has not moved since the
            // window appeared has sent no motion yet.
            case T::MouseDown:
                MoveMouseEvent(e.x, e.y);
                if (e.code >= 1 && e.code <= 3) Mouse.ButtonDown(e.code);
                break;
            case T::MouseUp:
                MoveMouseEvent(e.x, e.y);
                if (e.code >= 1 && e.code <= 3) Mouse.ButtonUp(e.code);
                break;
            case T::MouseMove:
                MoveMouseEvent(e.x, e.y);
                break;
            case T::MouseWheel:
                Mouse.Wheel(e.code);
                break;
            case T::WindowResized:
                WindowResized(e.x, e.y);
                break;
            case T::WindowMoved:
            case T::None:
                break;
        }
    }
    if (!FullScreen && Suspended == 1 && SuspendedEvent == 1 && Gfx && Gfx->HasFocus())
        SuspendedEvent = 0;
}

void TGame::SaveProfileIfPlaying() {
    if (CurrentTScreen && CurrentTScreen->name == "game" && SaveProfileFunction)
        SaveProfileFunction();
}

int TGame::GameTerminated() {
    if (!TerminatedEvent) return 0;
    TerminatedEvent = 0;
    if (TerminatedUserFunction && TerminatedUserFunction() != 0) return 0;
    InstantExit = 1;
    SaveProfileIfPlaying();
    return -1;
}

int TGame::CheckWindow() {
    if (GameTerminated() == -1) return -1;
    if (SuspendedEvent && !Suspended) {
        if ((PauseOnLossOfFocus || (PauseOnLossOfFullScreenFocus && FullScreen)) && !Paused) {
            Paused = 1;
            Pause();
        }
        if (!Paused) {
            PausedMusicState = Music;
            PausedSpeechState = Speech;
            MusicOff();
            SpeechOff();
            if (PausedUserFunction) PausedUserFunction();
        }
        Suspended = 1;
        if (UserSuspendFunction) UserSuspendFunction();
    } else if (!SuspendedEvent && Suspended == 1) {
        if (!Paused) {
            if (PausedMusicState) MusicOn();
            if (PausedSpeechState) SpeechOn();
        }
        FixedRateLogic.Init();
        Suspended = 0;
        if (UserResumeFunction) UserResumeFunction();
        FlushKeysAndMouse();
    } else if (!Suspended && !Paused) {
        if (!MusicLooped && MusicChannel && !MusicChannel->Playing() && MusicSample)
            MusicStopped = 1;
        if (SpeechChannel && !SpeechChannel->Playing()) SpeechStopped = 1;
        MusicFadeInManage();
        MusicFadeOutManage();
    }
    if (Suspended) platform::Clock::Delay(1);
    return 0;
}

int TGame::ReadKeys() {
    using namespace platform::keys;
    if (CheckWindow() == -1) {
        if (FadeOnExit == 0) return -1;
        InstantExit = 0;
        // A close request must not be lost: a fade already running would refuse the exit
        // fade, and a paused or suspended game would never run it.
        if (Fading()) GameFade.Finish();
        if (Paused) {
            Paused = 0;
            UnPause();
        }
        SuspendedEvent = 0;
        GameFade.Init(static_cast<float>(FadeLength), 1, MusicChannel, 1, 0, nullptr);
        DestinationTScreen = ExitScreen.get();
    }
    if (Paused && Mouse.GetLeftClick()) TogglePause();
    if (BlockKeys) return 0;
    if (!IgnorePauseKey && KeyHit(FrameworkKeys.pause)) TogglePause();

    if (KeyHitCounts[ESCAPE]) {
        if (Fading()) {
            KeyHit(ESCAPE);
            if (!GameFade.Out) {
                GameFade.FadeInAborted = 1;
                GameFade.AbortKey = 0;
            }
            GameFade.Finish();
        } else if (Paused) {
            KeyHit(ESCAPE);
            Paused = 0;
            UnPause();
            FlushKeysAndMouse();
        } else if (IgnoreEscapeKey) {
            // Left pending: the screen reads it itself.
        } else {
            KeyHit(ESCAPE);
            EscapeSoundPlay();
            int ms = CurrentTScreen ? CurrentTScreen->SetEscDestination() : 0;
            if (ms == 0) ms = FadeLength;
            if (FadeMusic) {
                GameFade.Init(static_cast<float>(ms), 1, MusicChannel, 1, 0, nullptr);
            } else {
                GameFade.Init(static_cast<float>(ms), 1, nullptr, 1, 0, nullptr);
                FadeMusic = 1;
            }
        }
    }

    const bool chord = FullScreenChordHit || (AltDown() && KeyHitCounts[ENTER]);
    FullScreenChordHit = 0;
    if (chord) KeyHit(ENTER);
    if (chord || (SystemKeyDown() && ShiftDown() && KeyHit(KEY_A + 5))) {
        ToggleFullScreen();
        FlushKeysAndMouse();
    }

    if (SystemKeyDown() && KeyHit(KEY_A + 16)) {
        InstantExit = 1;
        if (UserExitKeyFunction) UserExitKeyFunction();
        SaveProfileIfPlaying();
    }

    if (!IgnoreFrameworkKeys) ReadFrameworkKeys();
    if (!IgnoreDebugKey) ReadDebugKeys();
    if (!Paused && !Suspended && CurrentTScreen) CurrentTScreen->SpecificKeys();
    return 0;
}

void TGame::ReadFrameworkKeys() {
    auto& k = FrameworkKeys;
    auto volumes = [&](int change) {
        auto clampVol = [&](int& v) { v = std::clamp(v + change, 0, 100); };
        clampVol(SoundVolume);
        clampVol(MusicVolume);
        clampVol(SpeechVolume);
        if (MusicChannel) MusicChannel->SetVolume(GetMusicVolume() / 100.0f);
    };
    if (KeyHit(k.volumeDown)) volumes(-10);
    if (KeyHit(k.volumeUp)) volumes(10);
    if (ControlDown() && KeyHit(k.quit)) {
        InstantExit = 1;
        if (UserExitKeyFunction) UserExitKeyFunction();
        SaveProfileIfPlaying();
    }
    if (KeyHit(k.fullScreen)) ToggleFullScreen();
    if (KeyHit(k.minimise) && Gfx) Gfx->Minimise();
    if (KeyHit(k.music)) ToggleMusic();
    if (KeyHit(k.sound)) ToggleSound();
    if (Debug && KeyHit(k.fast)) {
        if (Fast) {
            FastOff();
        } else {
            SlowMotionOff();
            FastOn();
        }
    }
    if (Debug && KeyHit(k.slowMotion)) {
        if (SlowMotion) {
            SlowMotionOff();
        } else {
            FastOff();
            SlowMotionOn();
        }
    }
    if (KeyHit(k.screenshot)) TakeScreenshot();
    if (Debug && KeyHit(k.flipSyncCycle)) FlipSync = FlipSync == 0 ? 1 : (FlipSync == 1 ? -1 : 0);
    if (Debug && KeyHit(k.timingOff)) NoTiming = NoTiming ? 0 : 1;
    if (KeyHit(k.vsync)) ToggleVSync();
    if (KeyHit(k.driver)) SetDriver(Driver ? 0 : 1);
    if (KeyHit(k.soundDriver)) {
        std::string next = "FreeAudio";
        if (SoundDriver == "FreeAudio") next = "DirectSound";
        if (SoundDriver == "DirectSound") next = "OpenAL Generic Software";
        ChangeSoundDriver(next);
    }
    if (KeyHit(k.storeMouse)) {
        storedX = Mouse.x;
        storedY = Mouse.y;
    }
    if (KeyHit(k.printMouse)) {
        std::printf("%d,%d\n", Mouse.x, Mouse.y);
        std::fflush(stdout);
        EscapeSoundPlay();
    }
}

void TGame::ReadDebugKeys() {
    using namespace platform::keys;
    if (KeyHit(FrameworkKeys.debug)) {
        Debug = Debug ? 0 : 1;
        if (Debug) {
            DebugReset();
            DebugShowFPSOnly = ShiftDown() ? 1 : 0;
        }
    }
    if (GraphicPlacement) {
        if (KeyHit(LEFT)) gpX -= 1;
        if (KeyHit(RIGHT)) gpX += 1;
        if (KeyHit(UP)) gpY -= 1;
        if (KeyHit(DOWN)) gpY += 1;
    }
}

void TGame::ScreenDraw() {
    DrawTime.Start();
    if (NoDraw) {
        NoDraw = 0;
        DrawTime.Calc();
        return;
    }
    ClsWithColor();
    DoDrawWidescreenBorders();
    if (CurrentTScreen) CurrentTScreen->Draw();
    if (!Fading()) ShowPaused();
    if (FadeMouse) Mouse.Draw();
    GameFade.Draw();
    if (Fading()) ShowPaused();
    if (!FadeMouse) Mouse.Draw();
    DrawTime.Calc();
    DebugPrint();
    PostDraw();
}

void TGame::PostDraw() {
    if (Gfx && Gfx->IsOpen()) Gfx->Flip(FlipSync);
}

void TGame::ScreenChange() {
    if (GameFade.GetDone() != 1 || !GameFade.Out) return;
    if (!CurrentTScreen) return;
    if (!CurrentTScreen->StopKill) CurrentTScreen->Kill();
    if (!DestinationTScreen)
        ShowMessage("Screen '" + CurrentTScreen->name + "' does not have a destination screen set!",
                    1, 1);
    LastTScreen = CurrentTScreen;
    if (DestinationTScreen == ExitScreen.get()) {
        InstantExit = 1;
        CurrentTScreen = ExitScreen.get();
    } else {
        DestinationTScreen->PreStart();
    }
    FlushKeysAndMouse();
}

void TGame::FadeTo(TScreen* dest, int lengthMs, int allowAnim) {
    if (Fading()) return;
    DestinationTScreen = dest;
    GameFade.Init(static_cast<float>(lengthMs > 0 ? lengthMs : FadeLength), 1, MusicChannel,
                  allowAnim, 0, nullptr);
}

int TGame::Run() {
    try {
        while (true) {
            if (MainLogicLoop() == -1) break;
            ScreenDraw();
            if (QuitFlag == 1) break;
        }
    } catch (const TFatalExit&) {
        throw;
    } catch (const std::exception& e) {
        std::string report = CrashReportText(e.what());
        platform::SystemInfo::MessageBox(GameTitle, report);
        AppendErrorLog(report);
        Shutdown();
        return 1;
    } catch (...) {
        std::string report = CrashReportText("Unknown error");
        platform::SystemInfo::MessageBox(GameTitle, report);
        AppendErrorLog(report);
        Shutdown();
        return 1;
    }
    Shutdown();
    return 0;
}

void TGame::Shutdown() {
    MakeGoodExit();
    if (Gfx) Gfx->ShowPointer(true);
    Kill();
}

// ---------------------------------------------------------------------------------------------
// Pause, speed and sync

void TGame::TogglePause() {
    if (Paused) {
        Paused = 0;
        UnPause();
    } else {
        Paused = 1;
        Pause();
    }
}

void TGame::Pause() {
    PausedMusicState = Music;
    PausedSpeechState = Speech;
    MusicOff();
    SpeechOff();
    if (PausedUserFunction) PausedUserFunction();
}

void TGame::UnPause() {
    if (PausedMusicState) MusicOn();
    if (PausedSpeechState) SpeechOn();
    if (UnPauseUserFunction) UnPauseUserFunction();
    FixedRateLogic.Init();
}

void TGame::SpritePausedCreate(std::shared_ptr<platform::Image> image) {
    SpritePaused = std::move(image);
    if (SpritePaused) SpritePaused->MidHandle();
}

void TGame::ShowPaused() {
    if (!(Paused || Suspended) || !Gfx) return;
    auto& gfx = *Gfx;
    if (DimWhenPaused) {
        gfx.SetColor(0, 0, 0);
        gfx.SetAlpha(0.5f);
        gfx.DrawRect(0, 0, 1024, 768);
    }
    gfx.SetAlpha(1.0f);
    gfx.SetColor(255, 255, 255);
    if (SpritePaused) {
        gfx.DrawImage(*SpritePaused, 512, 384);
    } else {
        // No pause art loaded yet: say it in the built-in font.
        const std::string text = "PAUSED";
        gfx.SetScale(3, 3);
        gfx.DrawText(text, 512 - platform::Graphics::TextWidth(text) * 1.5f,
                     384 - platform::Graphics::TextHeight(text) * 1.5f);
        gfx.ResetState();
    }
}

void TGame::FastOn() {
    Fast = 1;
    LastFlipSync = FlipSync;
    FlipSync = 0;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

void TGame::FastOff() {
    if (Fast != 1) return;
    Fast = 0;
    FlipSync = LastFlipSync;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
}

void TGame::SlowMotionOn() {
    SlowMotion = 1;
    CurrentSpeed = SlowMotionSpeed;
    FixedRateLogic.Framerate = SlowMotionSpeed * FixedRateLogic.FramerateDefault;
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
}

void TGame::SlowMotionOff() {
    SlowMotion = 0;
    CurrentSpeed = 1.0f;
    FixedRateLogic.Framerate = static_cast<float>(FixedRateLogic.FramerateDefault);
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
}

void TGame::SetFlipSync() {
    FlipSync = VSync != 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Input helpers and time

void TGame::FlushKeysAndMouse() {
    FlushKeyboard();
    FullScreenChordHit = 0;
    Mouse.ClearButtons();
}

float TGame::CalcAnimLength(int ms) const {
    return static_cast<float>(ms) / FixedRateLogic.MS / CurrentSpeed;
}

float TGame::CalcAnimLengthFromFloat(float ms) const {
    return ms / FixedRateLogic.MS / CurrentSpeed;
}

int TGame::CalcMilliSecsFromFrames(float frames, int useSpeed) const {
    return static_cast<int>(frames * (useSpeed ? CurrentSpeed : 1.0f) * FixedRateLogic.MS);
}

std::string TGame::ResolveDataPath(const std::string& path) const {
    return platform::PathResolver::Resolve(path);
}

void TGame::MoveBar() {
    if (!LoadingScreen || !Gfx || !Gfx->IsOpen()) return;
    LoadingScreen->Progress();
    // The bar moves 247 times; drawing (and waiting for the display) on every step would
    // make loading last seconds. One frame per display refresh is all the player can see,
    // and the last step is always shown.
    const double now = platform::Clock::MillisecsPrecise();
    if (!LoadingScreen->Finished && now - LastBarFrameMs < 1000.0 / 60) return;
    LastBarFrameMs = now;
    ClsWithColor();
    LoadingScreen->Draw();
    Gfx->Flip(0);
}
