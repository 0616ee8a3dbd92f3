#pragma once
// One line of a driver script, read into a command. Everything that the text
// and the screens' catalogues can tell is checked here; what depends on the
// running program (is the screen visible?) is left to the runner.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "shell/screen_id.h"
#include "ui/services.h"

namespace bio::script {

// A script line that cannot run; what() is the reason shown to the user.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Verb {
    // user actions
    Set,
    Select,
    Click,
    Enter,
    Close,
    Check,
    Uncheck,
    // dialog answers
    Answer,
    Input,
    Printer,
    File,
    // queries
    Get,
    List,
    Item,
    Dump,
    Screens,
    Canvas,
    Names,
    Describe,
};

struct ScriptLine {
    Verb verb = Verb::Screens;
    ScreenId screen = ScreenId::baio;  // the screen named, or the control's screen
    std::string control;               // "Text2" or "Text2(3)"; empty for screen verbs
    std::string text;                  // set, input, file
    int item = 0;                      // item: the item number, from 1
    bool accepted = true;              // answer, input, printer, file: false for cancel

    // "hyouji.Text2(3)" as the script wrote it, for output lines.
    std::string target() const;
};

// nullopt for a blank or comment line; throws ScriptError for a line that
// cannot run.
std::optional<ScriptLine> parseLine(std::string_view line);

// A calendar date written YYYY-MM-DD; nullopt unless it exists.
std::optional<Date> parseIsoDate(std::string_view text);

}  // namespace bio::script
