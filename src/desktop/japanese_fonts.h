#pragma once
// The Japanese faces the screens name, mapped onto fonts a Linux desktop has.

#include <QFont>

#include "ui/control.h"

namespace bio {

// fontconfig knows no alias for the MS faces, so tell Qt where to find them;
// call once after the application object exists.
void installJapaneseFontSubstitutions();

QFont qtFont(const Font& font);

}  // namespace bio
