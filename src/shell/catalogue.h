#pragma once
// The design of each screen: controls, captions, frames, layout in twips,
// fonts, default button and tab order.

#include "shell/screen_id.h"
#include "ui/screen.h"

namespace bio {

const ScreenDesign& screenDesign(ScreenId id);

// One file per screen.
ScreenDesign baioDesign();
ScreenDesign sindanDesign();
ScreenDesign menyuDesign();
ScreenDesign hyoujiDesign();
ScreenDesign aisyouDesign();
ScreenDesign aisyousinDesign();
ScreenDesign kousinDesign();
ScreenDesign itiranDesign();

}  // namespace bio
