// The overview screen itiran: the day shown, "表示" and the way back.

#include "overview/login_item.h"
#include "overview/overview.h"
#include "register/register_file.h"
#include "register/storage_warnings.h"
#include "shell/itiran_controls.h"
#include "shell/menyu_controls.h"
#include "shell/program.h"
#include "state/numbers.h"

namespace bio {

namespace {

// What the red of a person's line says, for those who cannot see it.
constexpr const char* kCautionHighlight = "要注意日あり";

// "2026年12月07日　3人のうち要注意日の人は1人です。": the date as typed.
std::string summaryLine(const Screen& screen, const std::vector<OverviewLine>& persons) {
    int caution = 0;
    for (const OverviewLine& line : persons) caution += line.caution ? 1 : 0;
    return screen.text(itiran::kDayBoxes[0]) + "年" + screen.text(itiran::kDayBoxes[1]) + "月" +
           screen.text(itiran::kDayBoxes[2]) + "日　" + numberText(double(persons.size())) +
           "人のうち要注意日の人は" + numberText(caution) + "人です。";
}

}  // namespace

std::optional<Date> overviewDay(Program& p) {
    const std::optional<Date> day = realDate(p.screen(ScreenId::itiran), itiran::kDayBoxes);
    if (!day) {
        warn(p,
             "基準日が正しい日付ではありません。年は1～9999、月は1～12、"
             "日はその月にある日を整数で入力してください。");
    }
    return day;
}

void overview(Program& p) {
    const std::optional<Date> day = overviewDay(p);
    if (!day) return;
    Screen& screen = p.screen(ScreenId::itiran);
    const std::optional<std::vector<RegisterRecord>> records = orWarn(p, readAllRecords(p));
    if (!records) return;  // the user has been told; the list stays as it was

    const std::vector<OverviewLine> persons = personLines(*records, *day);
    Control& list = screen.control(itiran::kList);
    list.clearItems();
    list.addItem(summaryLine(screen, persons));
    for (const OverviewLine& line : persons)
        list.addItem(line.text, line.caution ? kCautionHighlight : "");
}

void showOverview(Program& p) {
    p.move(ScreenId::menyu, ScreenId::itiran);
    Screen& screen = p.screen(ScreenId::itiran);
    bool empty = true;
    for (const char* box : itiran::kDayBoxes) empty = empty && screen.text(box).empty();
    if (empty) fillTodayDate(p, screen, itiran::kDayBoxes);
    showLoginNoticeChoice(p);
    overview(p);
}

void installOverview(Program& p) {
    p.setCommand(ScreenId::menyu, menyu::kOverview, showOverview);
    p.setCommand(ScreenId::itiran, itiran::kShow, overview);
    p.setCommand(ScreenId::itiran, itiran::kLoginNotice, loginNoticeChosen);
}

}  // namespace bio
