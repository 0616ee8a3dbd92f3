#include "script/script_parser.h"

#include <array>
#include <vector>

#include "calendar/month_step.h"
#include "shell/catalogue.h"
#include "state/utf8.h"

namespace bio::script {

namespace {

struct Token {
    std::string text;
    bool quoted = false;  // a "TEXT", as opposed to a bare word
};

struct VerbSyntax {
    std::string_view word;
    Verb verb;
    std::string_view usage;
};

constexpr std::array<VerbSyntax, 19> kVerbs{{
    {"set", Verb::Set, "set S.C \"TEXT\""},
    {"select", Verb::Select, "select S.C"},
    {"click", Verb::Click, "click S.C"},
    {"enter", Verb::Enter, "enter S"},
    {"close", Verb::Close, "close S"},
    {"check", Verb::Check, "check S.C"},
    {"uncheck", Verb::Uncheck, "uncheck S.C"},
    {"answer", Verb::Answer, "answer ok|cancel"},
    {"input", Verb::Input, "input \"TEXT\"|cancel"},
    {"printer", Verb::Printer, "printer ok|cancel"},
    {"file", Verb::File, "file \"PATH\"|cancel"},
    {"get", Verb::Get, "get S.C"},
    {"list", Verb::List, "list S.C"},
    {"item", Verb::Item, "item S.C N"},
    {"dump", Verb::Dump, "dump S"},
    {"screens", Verb::Screens, "screens"},
    {"canvas", Verb::Canvas, "canvas S.C"},
    {"names", Verb::Names, "names S"},
    {"describe", Verb::Describe, "describe S.C"},
}};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the quoted text that starts at line[pos]; pos ends past the closing quote.
std::string readQuoted(std::string_view line, std::size_t& pos) {
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++pos == line.size()) break;
        switch (line[pos]) {
            case '"':
                text += '"';
                break;
            case '\\':
                text += '\\';
                break;
            case 't':
                text += '\t';
                break;
            case 'n':
                text += '\n';
                break;
            default:
                // The whole character, so that a multibyte one prints whole.
                throw ScriptError("使えないエスケープです: \\" +
                                  std::string(line.substr(pos, utf8CharAt(line, pos).length)));
        }
    }
    throw ScriptError("引用符が閉じていません");
}

std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos == line.size()) return tokens;
        Token token;
        if (line[pos] == '"') {
            token.quoted = true;
            token.text = readQuoted(line, pos);
            if (pos < line.size() && !isBlank(line[pos]))
                throw ScriptError("閉じ引用符の後に空白がありません");
        } else {
            std::size_t start = pos;
            while (pos < line.size() && !isBlank(line[pos])) {
                if (line[pos] == '"') throw ScriptError("語の途中に引用符があります");
                ++pos;
            }
            token.text = line.substr(start, pos - start);
        }
        tokens.push_back(std::move(token));
    }
}

ScreenId screenNamed(const std::string& name) {
    auto id = screenFromName(name);
    if (!id) throw ScriptError("不明な画面です: " + name);
    return *id;
}

// The reason a control of this kind cannot take the verb, or nullptr.
const char* kindMismatch(Verb verb, ControlKind kind) {
    switch (verb) {
        case Verb::Set:
            return kind == ControlKind::TextBox ? nullptr : "テキストボックスではありません";
        case Verb::Select:
            return kind == ControlKind::OptionButton ? nullptr : "オプションボタンではありません";
        case Verb::Check:
        case Verb::Uncheck:
            return kind == ControlKind::CheckBox ? nullptr : "チェックボックスではありません";
        case Verb::Click:
            return kind == ControlKind::CommandButton || kind == ControlKind::MenuCommand
                       ? nullptr
                       : "コマンドボタンでもメニューコマンドでもありません";
        case Verb::List:
        case Verb::Item:
            return kind == ControlKind::ListBox ? nullptr : "リストボックスではありません";
        case Verb::Canvas:
            return kind == ControlKind::PictureBox ? nullptr : "ピクチャボックスではありません";
        default:
            return nullptr;
    }
}

// "screen.control" checked against the screen's catalogue, without creating
// the screen: a failing check must leave the program untouched.
void readControl(const std::string& word, ScriptLine& line) {
    auto dot = word.find('.');
    if (dot == std::string::npos)
        throw ScriptError("コントロールは 画面.コントロール と書きます: " + word);
    line.screen = screenNamed(word.substr(0, dot));
    line.control = word.substr(dot + 1);
    for (const ControlDesign& design : screenDesign(line.screen).controls) {
        if (controlKey(design.name, design.index) != line.control) continue;
        if (const char* reason = kindMismatch(line.verb, design.kind))
            throw ScriptError(std::string(reason) + ": " + word);
        return;
    }
    throw ScriptError("不明なコントロールです: " + word);
}

// An item number: a whole number from 1, written in plain digits.
int itemNumber(const std::string& word) {
    constexpr std::size_t kMaxDigits = 9;  // stays within an int
    const bool digits = !word.empty() && word.size() <= kMaxDigits &&
                        word.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(word) < 1)
        throw ScriptError("項目の番号は1以上の整数で書きます: " + word);
    return std::stoi(word);
}

bool isWord(const Token& token, std::string_view word) {
    return !token.quoted && token.text == word;
}

// Fills the line's arguments from the tokens after the verb; false when they
// do not fit the verb's form.
bool readArguments(const std::vector<Token>& args, ScriptLine& line) {
    switch (line.verb) {
        case Verb::Set:
            if (args.size() != 2 || args[0].quoted || !args[1].quoted) return false;
            readControl(args[0].text, line);
            line.text = args[1].text;
            return true;
        case Verb::Select:
        case Verb::Click:
        case Verb::Check:
        case Verb::Uncheck:
        case Verb::Get:
        case Verb::List:
        case Verb::Canvas:
        case Verb::Describe:
            if (args.size() != 1 || args[0].quoted) return false;
            readControl(args[0].text, line);
            return true;
        case Verb::Item:
            if (args.size() != 2 || args[0].quoted || args[1].quoted) return false;
            readControl(args[0].text, line);
            line.item = itemNumber(args[1].text);
            return true;
        case Verb::Enter:
        case Verb::Close:
        case Verb::Dump:
        case Verb::Names:
            if (args.size() != 1 || args[0].quoted) return false;
            line.screen = screenNamed(args[0].text);
            return true;
        case Verb::Answer:
        case Verb::Printer:
            if (args.size() != 1 || !(isWord(args[0], "ok") || isWord(args[0], "cancel")))
                return false;
            line.accepted = isWord(args[0], "ok");
            return true;
        case Verb::Input:
        case Verb::File:
            if (args.size() != 1 || !(args[0].quoted || isWord(args[0], "cancel"))) return false;
            line.accepted = args[0].quoted;
            if (line.accepted) line.text = args[0].text;
            return true;
        case Verb::Screens:
            return args.empty();
    }
    return false;
}

}  // namespace

std::string ScriptLine::target() const {
    std::string name(screenName(screen));
    return control.empty() ? name : name + "." + control;
}

std::optional<ScriptLine> parseLine(std::string_view text) {
    // Scripts saved with Windows line ends still read line by line.
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text[first] == '#') return std::nullopt;
    // What no keyboard could type: broken sequences, overlong forms, surrogates.
    if (!isValidUtf8(text)) throw ScriptError("UTF-8 として読めない文字があります");
    std::vector<Token> tokens = tokenize(text);

    const Token& verbToken = tokens[0];
    for (const VerbSyntax& syntax : kVerbs) {
        if (!isWord(verbToken, syntax.word)) continue;
        ScriptLine line;
        line.verb = syntax.verb;
        if (!readArguments({tokens.begin() + 1, tokens.end()}, line))
            throw ScriptError("書式が違います（正しくは " + std::string(syntax.usage) + "）");
        return line;
    }
    throw ScriptError("不明なコマンドです: " + verbToken.text);
}

std::optional<Date> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1)
        return std::nullopt;
    if (*day > gregorianMonthLength(*year, *month)) return std::nullopt;
    return Date{*year, *month, *day};
}

}  // namespace bio::script
