#include "framework/TGameChannel.h"

TGameChannel::TGameChannel() : Channel(std::make_shared<platform::Channel>()) {}

std::shared_ptr<TGameChannel> TGameChannel::Create() {
    return std::make_shared<TGameChannel>();
}

void TGameChannel::Kill() {
    if (Channel) Channel->Stop();
}
