#pragma once
// A column of era option buttons, one per era: which one the user chose, and
// choosing one from a stored era field.

#include <array>
#include <string>
#include <string_view>

#include "calendar/calendar.h"

namespace bio {

class Screen;

// One option button per era, in the order of kEraNames.
using EraOptions = std::array<const char*, kEraNames.size()>;

// Caption of the first selected of the era option buttons, or "".
std::string selectedEra(const Screen& screen, const EraOptions& optionKeys);

// Selects the option whose caption is the era `eraField` begins with (see
// eraOfField); touches nothing when it names none. Returns whether one was selected.
bool selectEraFromField(Screen& screen, const EraOptions& optionKeys, std::string_view eraField);

}  // namespace bio
