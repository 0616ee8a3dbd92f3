// The overview screen itiran: the day shown, "表示" and the way back.

#include "calendar/month_step.h"
#include "overview/overview.h"
#include "register/register_file.h"
#include "register/warnings.h"
#include "shell/program.h"
#include "shell/today.h"
#include "state/numbers.h"

namespace bio {

namespace {

constexpr DateBoxes kDayBoxes{"Text1", "Text2", "Text3"};

// "2026年12月07日　3人のうち要注意日の人は1人です。": the date as typed.
std::string summaryLine(Screen& itiran, const std::vector<OverviewLine>& persons) {
    int caution = 0;
    for (const OverviewLine& line : persons) caution += line.caution ? 1 : 0;
    return itiran.text(kDayBoxes[0]) + "年" + itiran.text(kDayBoxes[1]) + "月" +
           itiran.text(kDayBoxes[2]) + "日　" + numberText(double(persons.size())) +
           "人のうち要注意日の人は" + numberText(caution) + "人です。";
}

}  // namespace

void overview(Program& p) {
    Screen& itiran = p.screen(ScreenId::itiran);
    const std::optional<Date> day = realDate(itiran, kDayBoxes);
    if (!day) {
        warn(p,
             "基準日が正しい日付ではありません。年は1～9999、月は1～12、"
             "日はその月にある日を整数で入力してください。");
        return;
    }
    const std::optional<std::vector<RegisterRecord>> records = readAllRecords(p);
    if (!records) return;  // the user has been told; the list stays as it was

    const std::vector<OverviewLine> persons = personLines(*records, *day);
    Control& list = itiran.control("List1");
    list.clearItems();
    list.addItem(summaryLine(itiran, persons));
    for (const OverviewLine& line : persons) list.addItem(line.text, line.caution);
}

void showOverview(Program& p) {
    p.move(ScreenId::menyu, ScreenId::itiran);
    Screen& itiran = p.screen(ScreenId::itiran);
    bool empty = true;
    for (const char* box : kDayBoxes) empty = empty && itiran.text(box).empty();
    if (empty) fillTodayDate(p, itiran, kDayBoxes);
    overview(p);
}

void installOverview(Program& p) {
    p.setCommand(ScreenId::menyu, "Command7", showOverview);
    p.setCommand(ScreenId::itiran, "Command1", overview);
}

}  // namespace bio
