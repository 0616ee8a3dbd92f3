#include "overview/login_notice.h"

#include "overview/overview.h"
#include "register/register_file.h"

namespace bio {

namespace {

// More would not fit a notification; the rest are counted.
constexpr std::size_t kMostPersonLines = 10;

// "感情・身体".
std::string cautionRhythms(const Reading& reading) {
    std::string words;
    for (Rhythm rhythm : kRhythms) {
        if (reading.verdict(rhythm) != Verdict::Caution) continue;
        if (!words.empty()) words += "・";
        words += rhythmName(rhythm);
    }
    return words;
}

}  // namespace

std::string LoginNotice::body() const {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

std::optional<LoginNotice> loginNotice(const std::vector<RegisterRecord>& records,
                                       const Date& day) {
    std::vector<std::string> persons;
    for (const PersonReading& person : personReadings(records, day)) {
        if (person.reading && person.reading->hasCautionDay())
            persons.push_back(std::string(shownName(*person.record)) + "さん：" +
                              cautionRhythms(*person.reading));
    }
    if (persons.empty()) return std::nullopt;

    LoginNotice notice;
    notice.summary = "今日の要注意日（" + std::to_string(persons.size()) + "人）";
    if (persons.size() > kMostPersonLines) {
        const std::size_t others = persons.size() - kMostPersonLines;
        persons.resize(kMostPersonLines);
        persons.push_back("ほか" + std::to_string(others) + "人");
    }
    notice.lines = std::move(persons);
    return notice;
}

Result<std::optional<LoginNotice>> loginNotice(const std::filesystem::path& dataDir,
                                               const Date& day) {
    const Cp932 codec;
    FileWriter system;
    const Result<std::vector<RegisterRecord>> records = readAllRecords(dataDir, codec, system);
    if (!records) return records.error();
    return loginNotice(*records, day);
}

}  // namespace bio
