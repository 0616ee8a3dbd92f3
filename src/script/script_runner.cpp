#include "script/script_runner.h"

#include <istream>
#include <ostream>

#include "app/app.h"
#include "shell/accessible_names.h"

namespace bio::script {

ScriptRunner::ScriptRunner(std::ostream& out, Clock& clock, std::filesystem::path dataDir,
                           std::filesystem::path configDir)
    : out_(out),
      dialogs_([this](const std::string& line) { print(line); }),
      printer_([this](const std::string& line) { print(line); }),
      program_(makeProgram(Services{dialogs_, printer_, clock}, std::move(dataDir),
                           std::move(configDir))) {}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::run(std::istream& script, std::ostream& err) {
    program_->start();
    std::string text;
    for (int number = 1; !program_->ended() && std::getline(script, text); ++number) {
        auto fail = [&](const std::string& reason, int status) {
            out_.flush();
            err << "script:" << number << ": " << reason << '\n' << std::flush;
            return status;
        };
        try {
            if (auto line = parseLine(text)) execute(*line);
        } catch (const ScriptError& error) {
            return fail(error.what(), kExitScriptError);
        } catch (const std::exception& error) {
            // A fault inside the program, not in the script: say where it happened.
            return fail(std::string("プログラムの内部エラーです: ") + error.what(), kExitFailure);
        }
    }
    if (program_->ended()) print("end");
    return kExitOk;
}

void ScriptRunner::print(const std::string& line) { out_ << line << '\n' << std::flush; }

void ScriptRunner::requireVisible(ScreenId id) const {
    if (!program_->visible(id))
        throw ScriptError("画面が表示されていません: " + std::string(screenName(id)));
}

void ScriptRunner::execute(const ScriptLine& line) {
    switch (line.verb) {
        case Verb::Set:
            requireVisible(line.screen);
            program_->screen(line.screen).setText(line.control, line.text);
            return;
        case Verb::Select:
            requireVisible(line.screen);
            program_->screen(line.screen).select(line.control);
            return;
        case Verb::Click:
            // A button without a handler does nothing, as on the screen.
            requireVisible(line.screen);
            program_->click(line.screen, line.control);
            return;
        case Verb::Enter:
            requireVisible(line.screen);
            program_->enter(line.screen);
            return;
        case Verb::Close:
            requireVisible(line.screen);
            program_->closeBox(line.screen);
            return;
        case Verb::Check:
        case Verb::Uncheck:
            requireVisible(line.screen);
            program_->check(line.screen, line.control, line.verb == Verb::Check);
            return;
        case Verb::Answer:
            dialogs_.queueMessageAnswer(line.accepted ? Answer::Ok : Answer::Cancel);
            return;
        case Verb::Input:
            dialogs_.queueInput(line.accepted ? std::optional(line.text) : std::nullopt);
            return;
        case Verb::Printer:
            dialogs_.queuePrinterAnswer(line.accepted);
            return;
        case Verb::File:
            dialogs_.queueFile(line.accepted ? std::optional(line.text) : std::nullopt);
            return;
        case Verb::Get:
            printValue(line.target(), program_->screen(line.screen).control(line.control));
            return;
        case Verb::List:
            printList(line.target(), program_->screen(line.screen).control(line.control));
            return;
        case Verb::Item:
            printItem(line.target(), program_->screen(line.screen).control(line.control),
                      line.item);
            return;
        case Verb::Dump: {
            Screen& screen = program_->screen(line.screen);
            print("screen " + screen.name() + " " + bio::quoted(screen.caption()) +
                  (screen.visible() ? " visible" : " hidden"));
            for (const auto& control : screen.controls()) printControl(line.screen, *control);
            return;
        }
        case Verb::Screens:
            printScreens();
            return;
        case Verb::Canvas:
            printCanvas(program_->screen(line.screen).control(line.control).canvas());
            return;
        case Verb::Names:
            printNames(line.screen);
            return;
        case Verb::Describe:
            printDescription(line);
            return;
    }
}

void ScriptRunner::printValue(const std::string& target, const Control& control) {
    const bool selected = control.kind() == ControlKind::OptionButton && control.selected();
    const bool checked = control.kind() == ControlKind::CheckBox && control.checked();
    print(target + " = " + bio::quoted(control.text()) + (selected ? " selected" : "") +
          (checked ? " checked" : ""));
}

// One control as `dump` shows it. The printer-dialog component is shown as
// `get` shows it, with its empty caption, so that a dump names every control
// of the catalogue.
void ScriptRunner::printControl(ScreenId id, const Control& control) {
    std::string target = std::string(screenName(id)) + "." + control.key();
    switch (control.kind()) {
        case ControlKind::ListBox:
            printList(target, control);
            return;
        case ControlKind::PictureBox:
            print(target + ": " + std::to_string(control.canvas().ops().size()) +
                  " drawing operations");
            return;
        default:
            printValue(target, control);
            return;
    }
}

void ScriptRunner::printList(const std::string& target, const Control& control) {
    print(target + ": " + std::to_string(control.items().size()) + " items");
    for (const std::string& item : control.items()) print("  " + bio::quoted(item));
}

void ScriptRunner::printItem(const std::string& target, const Control& control, int item) {
    const std::vector<std::string>& items = control.items();
    const std::string name = target + "[" + std::to_string(item) + "]";
    if (static_cast<std::size_t>(item) > items.size()) {
        print(name + ": none");
        return;
    }
    print(name + " = " + bio::quoted(items[static_cast<std::size_t>(item) - 1]));
}

void ScriptRunner::printCanvas(const Canvas& canvas) {
    for (const CanvasOp& op : canvas.ops()) {
        switch (op.kind) {
            case CanvasOp::Kind::Scale:
                print("scale " + fixed4(op.x1) + " " + fixed4(op.y1) + " " + fixed4(op.x2) + " " +
                      fixed4(op.y2));
                break;
            case CanvasOp::Kind::AutoRedraw:
                print("autoredraw");
                break;
            case CanvasOp::Kind::Line:
                print("line " + fixed4(op.x1) + " " + fixed4(op.y1) + " " + fixed4(op.x2) + " " +
                      fixed4(op.y2) + " color " + std::to_string(op.color) + " width " +
                      std::to_string(op.width));
                break;
            case CanvasOp::Kind::Text:
                print("text " + fixed4(op.x1) + " " + fixed4(op.y1) + " " + bio::quoted(op.text) +
                      " color " + std::to_string(op.color));
                break;
        }
    }
}

void ScriptRunner::printNames(ScreenId id) {
    const Screen& screen = program_->screen(id);
    const std::vector<DesignName> names = designNames(screen.design());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Control& control = *screen.controls()[i];
        print(std::string(screenName(id)) + "." + control.key() + " name " +
              bio::quoted(accessibleText(control, names[i]).name));
    }
}

void ScriptRunner::printDescription(const ScriptLine& line) {
    const Screen& screen = program_->screen(line.screen);
    const std::vector<DesignName> names = designNames(screen.design());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Control& control = *screen.controls()[i];
        if (control.key() != line.control) continue;
        const AccessibleText text = accessibleText(control, names[i]);
        print(line.target() + " name " + bio::quoted(text.name));
        print(line.target() + " description " + bio::quoted(text.description));
    }
}

void ScriptRunner::printScreens() {
    std::string line = "visible:";
    for (ScreenId id : kAllScreens)
        if (program_->visible(id)) line += " " + std::string(screenName(id));
    print(line);
}

}  // namespace bio::script
