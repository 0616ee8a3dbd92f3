#include "ui/doubles.h"

#include <cmath>
#include <cstdio>

namespace bio {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

static const char* answerWord(Answer answer) { return answer == Answer::Ok ? "ok" : "cancel"; }

Answer ScriptedDialogs::messageBox(const std::string& text, const std::string& title) {
    Answer answer = Answer::Ok;
    if (!messageAnswers_.empty()) {
        answer = messageAnswers_.front();
        messageAnswers_.pop_front();
    }
    sink_("msgbox " + quoted(text) + " title " + quoted(title) + " -> " + answerWord(answer));
    return answer;
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& defaultText) {
    std::optional<std::string> answer = defaultText;
    if (!inputAnswers_.empty()) {
        answer = inputAnswers_.front();
        inputAnswers_.pop_front();
    }
    sink_("inputbox " + quoted(prompt) + " title " + quoted(title) + " default " +
          quoted(defaultText) + " -> " + (answer ? quoted(*answer) : std::string("cancel")));
    return answer;
}

bool ScriptedDialogs::printerDialog() {
    bool ok = true;
    if (!printerAnswers_.empty()) {
        ok = printerAnswers_.front();
        printerAnswers_.pop_front();
    }
    sink_(std::string("printer dialog -> ") + (ok ? "ok" : "cancel"));
    return ok;
}

void RecordingPrinter::setFont(const std::string& family, double points) {
    sink_("print font " + quoted(family) + " " + fixed4(points));
}

void RecordingPrinter::printLine(const std::string& text) { sink_("print line " + quoted(text)); }

void RecordingPrinter::printPicture(const PictureSource& picture, double x, double y) {
    sink_("print picture " + picture.screen + "." + picture.control + " at " + fixed4(x) + " " +
          fixed4(y));
}

std::optional<std::string> RecordingPrinter::endDocument() {
    if (failure_) {
        auto reason = std::move(failure_);
        failure_.reset();
        return reason;
    }
    sink_("print end");
    return std::nullopt;
}

std::string fixed4(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

}  // namespace bio
