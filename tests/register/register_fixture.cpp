#include "register/register_fixture.h"

#include <array>

#include "app/app.h"
#include "register/record_layout.h"
#include "state/diagnosis_state.h"

namespace bio::testing {

namespace {

std::string withoutPadding(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

Page snapshot(Program& p) {
    Page page;
    if (!p.created(ScreenId::hyouji)) return page;
    Screen& hyouji = p.screen(ScreenId::hyouji);
    for (int row = 0; row < 10; ++row)
        page.push_back(withoutPadding(hyouji.control("Text1", row).text()));
    return page;
}

}  // namespace

Answer PageDialogs::messageBox(const std::string& text, const std::string& title) {
    messages.push_back({text, title, snapshot(*program)});
    return Answer::Ok;
}

std::optional<std::string> PageDialogs::inputBox(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& defaultText) {
    inputPrompts.push_back(prompt + "|" + title + "|" + defaultText);
    if (inputs.empty()) return defaultText;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
}

RegisterTest::RegisterTest()
    : program_(makeProgram(Services{dialogs, printer, clock}, dir.path(), dir.path() / "config")) {
    dialogs.program = program_.get();
    program_->start();
    program_->move(ScreenId::baio, ScreenId::menyu);
}

std::string RegisterTest::seedName(int k) {
    // Twenty-five different names; two contain 山田, one is half-width katakana.
    static const std::array<const char*, 25> names{
        "山田　太郎",   "佐藤　花子", "鈴木　一郎", "高橋　美咲", "ﾀﾅｶ ｹﾝﾀ",
        "伊藤　さくら", "渡辺　翔",   "山本　愛",   "中村　大輔", "小林　陽子",
        "加藤　誠",     "吉田　恵",   "山田　花子", "佐々木　涼", "山口　優子",
        "松本　拓也",   "井上　真由", "木村　亮",   "林　由美",   "斎藤　学",
        "清水　彩",     "山崎　健",   "森　舞",     "池田　悠斗", "橋本　千尋",
    };
    return names[static_cast<std::size_t>((k - 1) % 25)];
}

void RegisterTest::seedRegister(int count) {
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        RegisterRecord record{std::to_string(k),          seedName(k),
                              k % 2 ? "昭和" : "平成",    std::to_string(k % 60 + 1),
                              std::to_string(k % 12 + 1), std::to_string(k % 28 + 1)};
        bytes += encodeRecord(p().cp932(), record);
    }
    writeBytes(registerPath(), bytes);
}

Page RegisterTest::hyoujiPage() { return snapshot(p()); }

std::vector<std::string> RegisterTest::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : dialogs.messages) texts.push_back(message.text);
    return texts;
}

Page pageOf(int first, int last) {
    Page page;
    for (int k = first; k <= last; ++k) page.push_back(std::to_string(k));
    page.resize(10);
    return page;
}

}  // namespace bio::testing
