#include "ui/doubles.h"

#include <cmath>
#include <cstdio>

#include "platform/path.h"
#include "ui/page.h"

namespace bio {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
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
    sink_("msgbox " + bio::quoted(text) + " title " + bio::quoted(title) + " -> " +
          answerWord(answer));
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
    sink_("inputbox " + bio::quoted(prompt) + " title " + bio::quoted(title) + " default " +
          bio::quoted(defaultText) + " -> " +
          (answer ? bio::quoted(*answer) : std::string("cancel")));
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

std::optional<std::filesystem::path> ScriptedDialogs::fileDialog(const FileRequest& request) {
    std::optional<std::string> answer;
    if (!fileAnswers_.empty()) {
        answer = fileAnswers_.front();
        fileAnswers_.pop_front();
    }
    const bool save = request.mode == FileDialogMode::Save;
    sink_(std::string("file dialog ") + (save ? "save " : "open ") + bio::quoted(request.title) +
          (save ? " default " + bio::quoted(request.defaultName) : std::string()) + " -> " +
          (answer ? bio::quoted(*answer) : std::string("cancel")));
    if (!answer) return std::nullopt;
    return pathFromUtf8(*answer);
}

void RecordingPrinter::setFont(const std::string& family, double points) {
    sink_("print font " + bio::quoted(family) + " " + fixed4(points));
}

void RecordingPrinter::printLine(const std::string& text) {
    sink_("print line " + bio::quoted(text));
}

void RecordingPrinter::printPicture(const PictureSource& picture, double x, double y) {
    sink_("print picture " + picture.screen + "." + picture.control + " at " + fixed4(x) + " " +
          fixed4(y));
}

namespace {

std::string colorText(const Rgb& color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.r & 0xFF, color.g & 0xFF,
                  color.b & 0xFF);
    return buffer;
}

std::string numbers(std::initializer_list<double> values) {
    std::string text;
    for (double value : values) text += (text.empty() ? "" : " ") + fixed4(value);
    return text;
}

// One event line per page operation; fonts and colours of text runs are left out.
struct PageOpLine {
    std::string operator()(const PageText& t) const {
        return "print text " + numbers({t.x, t.y}) + " " + bio::quoted(t.text);
    }
    std::string operator()(const PageLine& l) const {
        return "print rule " + numbers({l.x1, l.y1, l.x2, l.y2}) + " width " + fixed4(l.width) +
               " " + colorText(l.color);
    }
    std::string operator()(const PageRect& r) const {
        return "print box " + numbers({r.x, r.y, r.width, r.height}) +
               (r.filled ? " fill " : " outline " + fixed4(r.lineWidth) + " ") + colorText(r.color);
    }
    std::string operator()(const PagePicture& p) const {
        return "print picture " + p.source.screen + "." + p.source.control + " in " +
               numbers({p.x, p.y, p.width, p.height});
    }
};

}  // namespace

void RecordingPrinter::printPage(const Page& page) {
    sink_("print page A4 portrait");
    for (const PageOp& op : page.ops) sink_(std::visit(PageOpLine{}, op));
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
