#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LayoutRandom.h"
#include "LayoutSlot.h"
#include "LevelFile.h"

// Draws up the hands of the game one after another from the shape library: the chapter sets
// how many cards, how many face down, how deep the stacks and which special cards appear.
// The same seed always gives the same hands.
class LevelDesigner {
public:
    explicit LevelDesigner(uint64_t seed) : seed(seed) {}

    // Lays out one hand; summary tells what it became. Call in chapter and hand order: the
    // designer avoids giving two hands in a row the same shape.
    LevelFile Design(int chapter, int hand, std::string& summary);

private:
    uint64_t seed;
    int lastKind = -1;

    static int TargetCards(int chapter, int hand, LayoutRandom& random);
    static double FaceDownShare(int chapter, int hand);
    int PickShape(int chapter, int hand, int attempt) const;
    bool Build(int chapter, int hand, int kind, LayoutRandom& random, LevelFile& out) const;

    static void AddAccents(std::vector<LayoutSlot>& slots, int wanted);
    static void AddUnderCards(std::vector<LayoutSlot>& slots, int groups, int depth,
                              LayoutRandom& random);
    static bool Spread(std::vector<LayoutSlot>& slots, double areaW, double areaH);
    static bool FitToArea(std::vector<LayoutSlot>& slots, bool spread);
    // Cards that only just touch are pushed clear, so covering is never a matter of a pixel.
    static bool SeparateTouchingCards(LevelFile& file);
    static bool ToCards(const std::vector<LayoutSlot>& slots, double scale, LevelFile& out);
    static void ChooseFaces(LevelFile& file, double faceDown, LayoutRandom& random);
    static bool PlaceTutorialCards(LevelFile& file, int chapter, int hand);
    static bool PlaceSpecials(LevelFile& file, int chapter, int hand, LayoutRandom& random);
};
