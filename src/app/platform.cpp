#include "app/platform.h"

#include <cassert>

namespace tarvelo {

namespace {
Platform* current = nullptr;
}

Platform& CurrentPlatform() {
    assert(current != nullptr && "no platform installed");
    return *current;
}

void SetCurrentPlatform(Platform* platform) {
    current = platform;
}

}  // namespace tarvelo
