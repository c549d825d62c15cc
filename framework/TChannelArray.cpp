#include "framework/TChannelArray.h"

#include <algorithm>

#include "framework/TGame.h"

std::unique_ptr<TChannelArray> TChannelArray::Create(int n) {
    auto pool = std::make_unique<TChannelArray>();
    for (int i = 0; i < n; ++i) pool->channels.push_back(TGameChannel::Create());
    if (!pool->channels.empty()) pool->Current = pool->channels.front();
    return pool;
}

float TChannelArray::BalanceVolumes(int extra) {
    int n = CountPlaying() + extra;
    float v = n > 0 ? std::min(1.0f, MaxVol / static_cast<float>(n)) : 1.0f;
    SetVolume(v);
    return v;
}

std::shared_ptr<TGameChannel> TChannelArray::ChannelByIndex(int i) const {
    if (i < 1 || i > Count()) return nullptr;
    return channels[static_cast<size_t>(i - 1)];
}

int TChannelArray::CountPlaying() const {
    return static_cast<int>(
        std::count_if(channels.begin(), channels.end(), [](auto& c) { return c->Playing(); }));
}

std::shared_ptr<TGameChannel> TChannelArray::GetChannel() {
    if (channels.empty()) return nullptr;
    size_t n = channels.size();
    auto at = std::find(channels.begin(), channels.end(), Current);
    // A Current no longer in the pool starts the walk at the first channel.
    size_t start = at == channels.end() ? n - 1 : static_cast<size_t>(at - channels.begin());
    for (size_t step = 1; step <= n; ++step) {
        auto& candidate = channels[(start + step) % n];
        if (candidate->Reserved) continue;
        if (candidate->PlayWhenFinished && candidate->Playing()) continue;
        Current = candidate;
        return candidate;
    }
    return nullptr;
}

void TChannelArray::Kill() {
    for (auto& channel : channels) channel->Kill();
    channels.clear();
    Current.reset();
}

void TChannelArray::Manage() {
    BalanceVolumes(0);
}

std::shared_ptr<TGameChannel> TChannelArray::PlayGameSound(TGameSound& sound,
                                                           std::shared_ptr<TGameChannel> channel,
                                                           float volume, float pan) {
    if (!channel) channel = GetChannel();
    if (!channel) return nullptr;
    channel->OriginalVolume = volume;
    // The sound's own volume stays as loaded: the balanced level is for this play only.
    float balanced = volume * BalanceVolumes(1);
    if (Game) Game->GameSoundPlay(channel->Channel, sound, pan, balanced);
    return channel;
}

void TChannelArray::SetVolume(float v) {
    float setting = Game ? Game->SoundVolume / 100.0f : 1.0f;
    for (auto& channel : channels)
        if (channel->Channel) channel->Channel->SetVolume(channel->OriginalVolume * v * setting);
}

void TChannelArray::StopGameChannel(const std::shared_ptr<TGameChannel>& channel) {
    if (!channel) return;
    auto keep = channel;
    auto at = std::find(channels.begin(), channels.end(), keep);
    keep->Kill();
    // A channel from outside the pool is only stopped: the pool keeps its size.
    if (at == channels.end()) return;
    channels.erase(at);
    auto fresh = TGameChannel::Create();
    channels.push_back(fresh);
    Current = fresh;
}
