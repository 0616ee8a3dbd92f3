#pragma once
// Contrast of text against its background, as WCAG 2.1 measures it: every
// text of the screens reads at 4.5 : 1 or more.

#include "ui/screen.h"

namespace bio {

inline constexpr double kReadableContrast = 4.5;

// 1 (the same luminance) to 21 (black on white).
double contrastRatio(const Rgb& a, const Rgb& b);

// `ink` on a light background; on a dark one, `ink` lightened until it reads.
Rgb inkFor(const Rgb& ink, const Rgb& background);

}  // namespace bio
