#pragma once

namespace tarvelo {

// The program's start-up: the splash for 1200 milliseconds, then the top menu.
void Module1_Main();

inline constexpr int kSplashMilliseconds = 1200;

}  // namespace tarvelo
