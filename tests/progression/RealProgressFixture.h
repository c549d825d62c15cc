#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "cards/TCardHooks.h"
#include "cards/TLevel.h"
#include "framework/AssetBanks.h"
#include "framework/Globals.h"
#include "framework/TRandom.h"
#include "progression/TPlayer.h"
#include "progression/TProgressHooks.h"
#include "progression/TSaveData.h"

// An empty hand played against the real shop record and the real player, wired through the
// card hooks as the game wires them; the level's chatter to stdout is swallowed.
class RealProgressTest : public ::testing::Test {
protected:
    explicit RealProgressTest(uint64_t rulesSeed) : seed(rulesSeed) {}

    void SetUp() override {
        FatalMissingAssets = 0;
        Delta = 1.0f;
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        SaveData = std::make_shared<TSaveData>();
        Player = std::make_shared<TPlayer>();
        SaveData->InstallCardHooks();
        Player->InstallCardHooks();
        CurrentLevel = std::make_shared<TLevel>();
        CurrentLevel->SetGlobals();
        RulesRandom.Seed(seed);
        testing::internal::CaptureStdout();
    }
    void TearDown() override {
        testing::internal::GetCapturedStdout();
        CurrentLevel.reset();
        CardHooks = TCardHooks();
        ProgressHooks = TProgressHooks();
        FatalMissingAssets = 1;
    }

private:
    uint64_t seed;
};
