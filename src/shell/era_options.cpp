#include "shell/era_options.h"

#include "ui/screen.h"

namespace bio {

std::string selectedEra(const Screen& screen, const EraOptions& optionKeys) {
    for (const char* key : optionKeys) {
        if (screen.control(key).selected()) return screen.text(key);
    }
    return {};
}

bool selectEraFromField(Screen& screen, const EraOptions& optionKeys, std::string_view eraField) {
    const std::string_view era = eraOfField(eraField);
    if (era.empty()) return false;
    for (const char* key : optionKeys) {
        if (screen.text(key) == era) {
            screen.select(key);
            return true;
        }
    }
    return false;
}

}  // namespace bio
