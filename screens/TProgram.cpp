#include "screens/TProgram.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/Keyboard.h"
#include "framework/Messages.h"
#include "framework/ProfileSelection.h"
#include "framework/TFatalExit.h"
#include "framework/TGame.h"
#include "framework/TGameText.h"
#include "framework/TImageBank.h"
#include "framework/TLoadingScreen.h"
#include "framework/TRandom.h"
#include "framework/TSoundBank.h"
#include "platform/Clock.h"
#include "platform/PathResolver.h"
#include "platform/SystemInfo.h"
#include "progression/TGameState.h"
#include "progression/TPlayer.h"
#include "progression/TProfileBinding.h"
#include "progression/TSaveData.h"
#include "toolkit/ToolkitSound.h"
#include "toolkit/ToolkitText.h"

namespace {

uint64_t StartSeed() {
    // A fixed seed makes a run reproducible (tests, bug reports).
    if (const char* s = std::getenv("ROSEWICK_SEED")) return std::strtoull(s, nullptr, 10);
    return static_cast<uint64_t>(platform::Clock::Millisecs());
}

}  // namespace

bool TProgram::Startup() {
    StartupStep = 2;
    if (!instanceLock.Acquire(GameTitle)) return false;
    AppVersion = "1.20";

    StartupStep = 3;
    VirtualWidth = 1024;
    VirtualHeight = 768;

    StartupStep = 4;
    GraphicsOpen = 0;
    Game = std::make_unique<TGame>();
    Game->ClsColor = TColor(0, 0, 0, 1.0f);
    Game->DataInAppBundle = 1;
    Game->CorrectPathID = 26;
    Game->DataPrefix = platform::SystemInfo::ExecutableFolder();

    StartupStep = 5;
    Game->SetSubPathWrapper("Quellborne/Rosewick", 1);

    StartupStep = 6;
    Game->CheckGoodExit();

    StartupStep = 7;
    Game->Init(0, 1);

    StartupStep = 8;
    Game->FixedRateLogic.SetDefaultFramerate(200);
    Game->Region = 0;
    Game->SubRegion = 0;
    Game->PortalSplash = 0;
    Game->WideScreen = 1;
    Game->IntroShow = 1;
    Game->Fade = 1;
    Game->IniFill();
    Game->Ini.Save();
    ImageBank.SetPath(Game->ImagePath);
    SoundBank.SetPath(Game->SoundPath);
    PrecacheImages = 1;
    Game->ChannelsCreate(16);
    GameChannel = Game->Channels->GetChannel();
    if (GameChannel) GameChannel->Reserved = 1;
    Game->SetEscapeSound("buttonclick");
    // The toolkit names its sounds; they play from the sound bank through the pool.
    ToolkitSoundPlayer = [](const std::string& name, float volume) {
        auto sound = SoundBank.Find(name);
        if (sound && Game && Game->Channels) Game->Channels->PlayGameSound(*sound, nullptr, volume);
    };
    // Profiles carry the saved progress and fall back to their backup when damaged.
    TProfileBinding::Install();
    // Its player-visible texts come from the game text.
    ToolkitTextLookup = [](const std::string& key) { return GameText.FindString(key); };
    uint64_t seed = StartSeed();
    RulesRandom.Seed(seed);
    EffectsRandom.Seed(seed ^ 0x5DEECE66Dull);

    StartupStep = 9;
    Game->IgnoreFrameworkKeys = 1;
    Game->IgnoreDebugKey = 1;
    Game->FrameworkKeys.DisableUnused();
    FadeLength = 300;
    Game->FixedRateLogic.JitterCorrection = 0;
    Game->MusicFadeIn = 0;
    Game->DebugDisplayX = Game->DebugDisplayY = 5;
    Game->SlowMotionSpeed = 0.2f;
    Game->PauseOnLossOfFullScreenFocus = 1;
    Game->MaxLevels = 20;

    StartupStep = 10;
    std::string eventLog = Game->SubPath + "logfile.xml";
    if (!platform::PathResolver::Exists(eventLog)) {
        std::ofstream create(eventLog);
        if (!create) ShowMessage("Cannot create " + eventLog, 1, 1);
    }

    StartupStep = 11;
    Game->UseDesktopResolution = 1;
    Game->GraphicsCreate(0);
    GraphicsOpen = 1;
    if (Game->CustomMousePointer) Game->Gfx->ShowPointer(false);
    LoadAssets();
    Game->FlushKeysAndMouse();
    Game->FixedRateLogic.Init();
    Game->NoTimingTicks = 3;
    return true;
}

void TProgram::LoadAssets() {
    // The demo screens stand in for the title screen until it exists.
    demoA = std::make_unique<TDemoScreen>("demo", 40, 62, 96);
    demoB = std::make_unique<TDemoScreen>("demo2", 36, 90, 70);
    demoA->Partner = demoB.get();
    demoB->Partner = demoA.get();
    // The gallery shows the toolkit's widgets until the real screens use them.
    gallery = std::make_unique<TGalleryScreen>();
    gallery->BackTo = demoA.get();
    demoA->Gallery = gallery.get();
    demoB->Gallery = gallery.get();

    // Until the title and the map exist the game starts straight into the player's hand.
    game = std::make_unique<TGameScreen>();
    loader.TitleScreen = game.get();
    ApplyDebugStart();
    LoadPlayerProgress();
    loader.Run();
}

void TProgram::LoadPlayerProgress() {
    // The player manager comes later: until then one profile keeps the progress. Nobody has
    // been asked for a difficulty, so a profile made here plays normal.
    std::string name = Game->ProfileName.empty() ? DEFAULT_PROFILE_NAME : Game->ProfileName;
    if (!platform::PathResolver::Exists(Game->ProfilePath + name + ".dat"))
        TGameState::SetRelaxedMode();
    if (Game->ProfileName.empty())
        SelectProfile(DEFAULT_PROFILE_NAME);
    else
        LoadCurrentProfile();
    if (Player) Player->ReadProfile(Game->CurrentProfile.get(), 0);
    if (debugChapter > 0 && Player && SaveData) {
        Player->Level = debugChapter;
        SaveData->hand = std::max(1, debugHand);
    }
    if (debugShopAll && SaveData)
        for (int i = 0; i < TSaveData::SHOP_ITEMS; ++i) SaveData->SetShopItemStatus(i, 2);
}

void TProgram::ApplyDebugStart() {
#ifndef NDEBUG
    // Developer builds: ROSEWICK_START=demo shows the demo screens (the window checks use
    // them), ROSEWICK_START=C-H deals chapter C hand H.
    // ROSEWICK_SHOP=all: every shop item bought.
    if (const char* shop = std::getenv("ROSEWICK_SHOP"); shop && std::string(shop) == "all")
        debugShopAll = 1;
    const char* start = std::getenv("ROSEWICK_START");
    if (!start) return;
    std::string what = start;
    if (what == "demo") {
        loader.TitleScreen = demoA.get();
        return;
    }
    int c = 0, h = 0;
    if (std::sscanf(start, "%d-%d", &c, &h) == 2) {
        debugChapter = c;
        debugHand = h;
    }
#endif
}

int TProgram::Main() {
    try {
        if (!Startup()) return 0;  // another copy is running
        return Game->Run();
    } catch (const TFatalExit&) {
        if (Game) Game->Kill();
        return 1;
    } catch (const std::exception& e) {
        // Failures before the frame loop: report them the same way, then end.
        std::string report = CrashReportText(e.what());
        platform::SystemInfo::MessageBox(GameTitle, report);
        AppendErrorLog(report);
        if (Game) Game->Shutdown();
        return 1;
    }
}
