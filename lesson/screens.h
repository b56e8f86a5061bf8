#pragma once

#include "core/screen.h"

#include <memory>

// The screen object of a screen, drawing from the given stream.
std::unique_ptr<Screen> makeScreen(ScreenId id, Share& share);
