#pragma once
// The design of each screen: controls, captions, frames, layout in twips,
// fonts, default button and tab order.

#include "shell/screen_id.h"
#include "ui/screen.h"

namespace bio {

const ScreenSpec& screenSpec(ScreenId id);

// One file per screen.
ScreenSpec baioSpec();
ScreenSpec sindanSpec();
ScreenSpec menyuSpec();
ScreenSpec hyoujiSpec();
ScreenSpec aisyouSpec();
ScreenSpec aisyousinSpec();
ScreenSpec kousinSpec();

}  // namespace bio
