#include "screens/TGameLoader.h"

#include <cstdio>

#include "framework/AssetBanks.h"
#include "framework/TGame.h"
#include "framework/TGameText.h"
#include "framework/TImageBank.h"
#include "framework/TLoadingScreen.h"
#include "framework/TSoundBank.h"
#include "framework/TTrimDataMap.h"
#include "screens/TClickToContinue.h"
#include "toolkit/GameFonts.h"

namespace {

struct SoundEntry {
    const char* file;
    float pitch;
};

const SoundEntry kSounds[] = {
    {"Cards/flip", 1.1f},
    {"Cards/land", 1.0f},
    {"Cards/arc1", 1.1f},
    {"Cards/arc2", 1.0f},
    {"Cards/arcundo", 1.0f},
    {"Cards/shuffle", 1.0f},
    {"Cards/dropoff", 1.0f},
    {"clicks/ClickReverse", 1.0f},
    {"clicks/InvalidClick", 1.0f},
    {"Level/LevelStart", 1.0f},
    {"Bonuses/arrow", 1.0f},
    {"Bonuses/arrow2", 1.0f},
    {"Bonuses/Stake", 1.2f},
    {"Bonuses/Random", 1.0f},
    {"Bonuses/phoenixfire", 1.0f},
    {"Bonuses/coin", 1.0f},
    {"Bonuses/key", 1.0f},
    {"Bonuses/keywasted", 1.0f},
    {"Bonuses/lock", 1.0f},
    {"Bonuses/magicreleased", 1.0f},
    {"Bonuses/storyitem", 1.0f},
    {"Bonuses/regalunlocked", 1.0f},
    {"Bonuses/regaltick", 1.0f},
    {"Bonuses/regaltickundo", 1.0f},
    {"HUD/GaugeFull", 1.0f},
    {"HUD/GoalDone", 1.0f},
    {"HUD/ComboStart", 1.0f},
    {"HUD/ComboEnd", 1.0f},
    {"HUD/pearl", 1.0f},
    {"HUD/shortpearl", 1.0f},
    {"HUD/fivexmultiplier", 1.0f},
    {"MapScreen/ZoomIn", 1.0f},
    {"GUI/SlideIn", 1.2f},
    {"GUI/SlideOut", 1.25f},
    {"GUI/OKDialog", 1.0f},
    {"GUI/Confirm", 1.0f},
    {"GUI/Error", 1.0f},
    {"GUI/Typing", 1.1f},
    {"buttonMO", 1.0f},
    {"LevelEnd/LevelEnd_0Stars", 1.0f},
    {"LevelEnd/LevelEnd_1Star", 1.0f},
    {"LevelEnd/LevelEnd_2Stars", 1.0f},
    {"LevelEnd/LevelEnd_3Stars", 1.0f},
    {"LevelEnd/doof", 1.0f},
};

// Interface pictures in loading order. Strips and top-left handles are listed apart.
const char* const kOtherImages[] = {
    "pointer",
    "Cards/wildcards/joker",
    "Cards/special/event card",
    "Cards/special/key card",
    "Cards/special/lock card",
    "Cards/special/bow",
    "Cards/Blank Key Card",
    "KeyCursor",
    "Cards/Card Back0",
    "Cards/Card Back1",
    "Cards/CardGlow",
    "Cards/TestCard",
    "MapScreen/TopPanel",
    "HUD/MultiplierPanel",
    "HUD/MultiplierPanel5XGlow",
    "HUD/MultiplierPanel5XGlowOverlay",
    "HUD/BottomPanel",
    "HUD/ComboPanel",
    "HUD/UndoDecoration",
    "HUD/BellaGUI",
    "HUD/BellaGUIwithFan",
    "HUD/Cupid",
    "HUD/CupidClicked",
    "HUD/CupidEmpty",
    "HUD/CupidFrame",
    "OneArrowCursor",
    "TwoArrowCursor",
    "HUD/Lyre",
    "HUD/LyreClicked",
    "HUD/LyreEmpty",
    "HUD/LyreFrame",
    "HUD/Bird",
    "HUD/BirdClicked",
    "HUD/BirdEmpty",
    "HUD/BirdFrame",
    "HUD/PowerupsBackground",
    "HUD/Ribbons",
    "HUD/Powerup Slot Mouse Over",
    "HUD/Pearl",
    "Particles/ParticleRing",
    "Particles/ParticleRingPink",
    "Particles/ParticleRingGreen",
    "Particles/ParticleRingOrange",
    "Particles/ParticleRingWhite",
    "Particles/Clausparkle",
    "Particles/ClausparkleFull",
    "Particles/sparkle",
    "Particles/sparklegold",
    "Particles/RedBall",
    "Particles/GoldDust",
    "Particles/WhiteDust",
    "Particles/Lightning",
    "Particles/coin",
    "Particles/MagicHighlight",
    "Particles/Crosshair",
    "Particles/ArrowUp",
    "Particles/BurningCard",
    "Particles/crown",
    "BigText/Perfect",
    "BigText/Great",
    "BigText/Good",
    "BigText/NoStars",
    "Particles/GoldStarBig",
    "Particles/GoldStarMedium",
    "Particles/SilverStarMedium",
    "Particles/BronzeStarMedium",
    "LevelEndScreen/NoStarsX",
    "LevelEndScreen/BronzeStar",
    "LevelEndScreen/SilverStars",
    "LevelEndScreen/GoldStars",
    "LevelEndScreen/LevelEndCheckMark",
    "LevelEndScreen/LevelEndGoalLines",
    "LevelEndScreen/LevelEndGrid",
    "LevelEndScreen/LevelEndSingleLine",
    "MapScreen/MapDotInactive",
    "MapScreen/MapDot",
    "MapScreen/MapDotMO",
    "MapScreen/MapDotCurrent",
    "Hints/UpArrow",
    "Hints/DownArrow",
    "Hints/LeftArrow",
    "Hints/RightArrow",
    "Hints/ArrowSmall",
    "Hints/TipWithClose",
    "Hints/TipGlow",
    "Hints/Tooltip",
    "Dialogs/DialogLeft",
    "Dialogs/DialogRight",
    "Dialogs/DialogTriangle",
    "Dialogs/GoalsDialog",
};

struct StripEntry {
    const char* file;
    int cellW, cellH, count;
};

const StripEntry kStrips[] = {
    {"HUD/Ribbons", 132, 150, 3},
    {"Particles/Lightning", 96, 320, 4},
    {"Particles/coin", 27, 27, 8},
    {"Particles/BurningCard", 200, 350, 40},
};

// Panels laid out from their corner, and the pointer, whose hot spot is near its corner.
const char* const kTopLeft[] = {"pointer", "MapScreen/TopPanel", "HUD/BottomPanel"};

const char kSuits[] = {'h', 'd', 's', 'c'};

}  // namespace

const std::vector<std::string>& TGameLoader::ParticleGenerators() {
    static const std::vector<std::string> names = {"ClauSparkle", "Sparkle",        "sparklegold",
                                                   "GoldDust",    "MagicHighlight", "WhiteDust",
                                                   "RedBall",     "particlering",   "Coin"};
    return names;
}

const std::vector<std::string>& TGameLoader::FontNames() {
    return GAME_FONT_NAMES;
}

void TGameLoader::Missing(const std::string& what) {
    std::printf("Loading: %s not available yet\n", what.c_str());
    std::fflush(stdout);
}

void TGameLoader::Step() {
    ++steps;
    Game->MoveBar();
}

void TGameLoader::Run() {
    steps = 0;
    ShowLoadingScreen();
    if (LoadingScreenShown) LoadingScreenShown();

    GameText.Read("gametext.txt");
    Step();

    if (LoadStoryTexts) {
        LoadStoryTexts();
    } else {
        Missing("story texts");
    }
    Step();

    LoadSounds();
    LoadImages();

    if (LoadParticleList) {
        LoadParticleList(ParticleGenerators());
    } else {
        Missing("particle list");
    }
    Step();

    if (LoadFonts) {
        LoadFonts(FontNames());
    } else {
        LoadGameFonts();
    }
    Step();

    if (TitleScreenLoad) {
        TitleScreenLoad();
    } else {
        Missing("title screen");
    }
    Step();

    LoadBorders();
    CreateClickToContinue();
    Finish();
}

void TGameLoader::ShowLoadingScreen() {
    auto& loading = *Game->LoadingScreen;
    // 1. Images load with their handle in the middle unless told otherwise.
    Game->ClsWithColor();

    // 2. The loading screen itself.
    loading.SpecialLoad("Backgrounds/LoadingScreen.jpg", "LoadingScreen/LoadingBar.png",
                        "BigText/loading.png");
    Game->Gfx->SetBlend(platform::BlendMode::Alpha);
    Game->Mouse.Off();
    loading.DrawLoading(1);

    // 3. What the loading screen and the pause need at once.
    SoundBank.Load("buttonclick");
    SoundBank.Load("buttonMO");
    ImageBank.Load("BigText/paused");
    Game->SpritePausedCreate(ImageBank.FindTImage("paused"));

    // 4. Splash screens, then the loading screen becomes current with the title music.
    loading.CustomDrawFunction = LoadingScreenDraw;
    loading.CustomKillFunction = LoadingScreenKill;
    if (RunSplashSequence) {
        RunSplashSequence();
    } else {
        Missing("splash sequence");
    }
    // Escape must continue like a click from the first tick, which Start arranges only when
    // EscapeCloses is already 0.
    loading.EscapeCloses = 0;
    loading.Destination = TitleScreen;
    loading.Start();
    Game->MusicLoad("title.ogg", 1);
    Game->MusicPlay(0, 0, 0);

    // 5. The bar and the caption for the loading itself.
    auto& bar = *loading.LoadingBar;
    bar.Mode = 1;
    bar.DrawEmptyUnderFinal = 1;
    bar.Centre(768 - 56);
    loading.SetSteps(LOADING_STEPS);
    loading.LoadingX = 512;
    loading.LoadingY = 674;
}

void TGameLoader::LoadSounds() {
    for (const auto& s : kSounds) SoundBank.Load(s.file, s.pitch, 1.0f);
    Step();
}

void TGameLoader::Image(const std::string& file, const std::string& key, int mid) {
    auto image = ImageBank.Load(file, key, -1, mid);
    if (auto trim = TrimDataMap.Find(file, 1)) image->SetTrimHandle(trim);
    Step();
}

void TGameLoader::Strip(const std::string& file, int cellW, int cellH, int count, int mid) {
    ImageBank.LoadAnim(file, cellW, cellH, 0, count, -1, mid);
    Step();
}

void TGameLoader::LoadImages() {
    // Offsets of the trimmed pictures first, so each lands where it sat in its original.
    TrimDataMap.Clear();
    TrimDataMap.LoadDataFile(Game->ImagePath + "TrimData.txt");
    Step();
    LoadCardImages();
    LoadOtherImages();
}

void TGameLoader::LoadCardImages() {
    for (int v = 1; v <= 13; ++v) {
        std::string value = std::to_string(v);
        for (char suit : kSuits) {
            Image("Cards/" + value + suit);
            Image("Cards/plain/" + value + suit, value + suit + "p");
        }
        Image("Cards/wildcards/w" + value);
    }
    for (int k = 0; k <= 9; ++k) Image("Cards/special/Regal Card" + std::to_string(k));
    for (int i = 1; i <= 10; ++i) {
        std::string n = std::to_string(i);
        Image("Story Items/StoryItem" + n);
        Image("Story Items/Large/StoryItem" + n, "StoryItem" + n + "large");
    }
}

void TGameLoader::LoadOtherImages() {
    Image("ShopScreen/Shop Item Mouse Over", "Shop Item Mouse Over");
    for (const char* file : kOtherImages) {
        std::string name = file;
        const StripEntry* strip = nullptr;
        for (const auto& s : kStrips)
            if (name == s.file) strip = &s;
        int mid = 1;
        for (const char* t : kTopLeft)
            if (name == t) mid = 0;
        if (strip) {
            Strip(name, strip->cellW, strip->cellH, strip->count, mid);
        } else {
            Image(name, "", mid);
        }
    }
}

void TGameLoader::LoadBorders() {
    auto left = TGameImage::Create(Game->ImagePath + "Backgrounds/LeftBorder.jpg", -1, 0);
    auto right = TGameImage::Create(Game->ImagePath + "Backgrounds/RightBorder.jpg", -1, 0);
    Game->LeftBorderImage = left->image;
    Game->RightBorderImage = right->image;
    Step();
}

void TGameLoader::CreateClickToContinue() {
    auto up = ImageBank.Load("../Menus/ClickToContinue");
    auto over = ImageBank.Load("../Menus/ClickToContinueMO");
    auto down = ImageBank.Load("../Menus/ClickToContinueDown");
    auto click = SoundBank.Find("buttonClick");
    auto mouseOver = SoundBank.Find("buttonMO");
    std::string caption = GameText.FindString("Click Text");
    std::shared_ptr<TWidget> button;
    if (MakeClickToContinueButton) {
        button = MakeClickToContinueButton(up, over, down, click, mouseOver, caption);
    } else {
        button = std::make_shared<TClickToContinue>(up, over, down, click, mouseOver, caption);
    }
    Game->LoadingScreen->SetClickHereButton(button);
    Step();
}

void TGameLoader::Finish() {
    PointerSparkleImage = ImageBank.Find("clausparkle");
    if (Game->Gfx && !Game->Gfx->HasFocus()) Game->SuspendedEvent = 1;
    Game->LoadingScreen->RefreshPointer();
    Game->Mouse.On();
    Game->FlushKeysAndMouse();
    Game->FixedRateLogic.Init();
    std::printf("Loading finished: %d steps\n", steps);
    std::fflush(stdout);
}
