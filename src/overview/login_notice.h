#pragma once
// The word at login: who in the register is on a caution day today. The
// desktop program sends it as a notification and the script driver prints
// it; both take the text from here.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "register/storage_error.h"
#include "state/date.h"
#include "state/diagnosis_state.h"

namespace bio {

struct LoginNotice {
    std::string summary;             // "今日の要注意日（3人）"
    std::vector<std::string> lines;  // "山田花子さん：身体", at most ten, then "ほかN人"

    // The lines joined by line feeds: a notification's body.
    std::string body() const;
};

// Everyone the overview lists for `day` with a rhythm on a caution day, in
// record order, each with those rhythms in the order 感情, 知性, 身体; nullopt
// when nobody is.
std::optional<LoginNotice> loginNotice(const std::vector<RegisterRecord>& records, const Date& day);

// The same for the register in `dataDir` (a missing one is empty), or why it
// cannot be read.
Result<std::optional<LoginNotice>> loginNotice(const std::filesystem::path& dataDir,
                                               const Date& day);

}  // namespace bio
