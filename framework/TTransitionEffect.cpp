#include "framework/TTransitionEffect.h"

#include "framework/TGame.h"

std::shared_ptr<TTransitionEffect> TTransitionEffect::Create(int effectType, int lengthMs) {
    auto effect = std::make_shared<TTransitionEffect>();
    effect->EffectType = effectType;
    effect->Length = static_cast<int>(Game->CalcAnimLength(lengthMs));
    return effect;
}

std::shared_ptr<TTransitionEffect> TTransitionEffect::CreateCopy() const {
    auto copy = std::make_shared<TTransitionEffect>();
    copy->EffectType = EffectType;
    copy->Length = Length;
    copy->ScrollSpeedX = ScrollSpeedX;
    copy->ScrollSpeedY = ScrollSpeedY;
    copy->MaskImage = MaskImage;
    copy->MaskStartSize = MaskStartSize;
    copy->MaskEndSize = MaskEndSize;
    return copy;
}
