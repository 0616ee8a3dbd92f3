#include "overview/login_item.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/command_line_quoting.h"
#include "platform/file_writer.h"
#include "platform/login_items.h"
#include "platform/login_values.h"
#include "platform/path.h"
#include "platform/places.h"
#include "register/data_directory.h"
#include "register/storage_warnings.h"
#include "shell/application_id.h"
#include "shell/itiran_controls.h"
#include "shell/program.h"
#include "state/fnv_hash.h"

namespace bio {

namespace {

// The data directory as one text, however it was named.
std::string dataDirText(const Program& p) {
    std::error_code ignored;
    return utf8Text(
        std::filesystem::weakly_canonical(std::filesystem::absolute(p.dataDir()), ignored));
}

// One item per data directory: a portable copy or one started with
// --data-dir is notified from its own register.
std::string loginItemId(const Program& p) {
    return std::string(kApplicationId) + "-notify-" + fnv1aHex(dataDirText(p), 8);
}

std::string loginItemName(const Program& p) { return loginItemId(p) + ".desktop"; }

// The desktop program beside this one.
std::string desktopProgram() { return utf8Text(executableDir() / desktopProgramName()); }

// What the Run value starts: the same command as the autostart entry's.
std::string loginCommand(const Program& p) {
    return commandLine({desktopProgram(), "--notify", "--data-dir", dataDirText(p)});
}

// An argument of the Exec key, quoted as the desktop entry format wants it: a
// backslash before each of " ` $ \ inside the quotes, each backslash then
// doubled by the escaping of the key's string, and % doubled for the field codes.
std::string execArgument(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '\\') quoted += "\\\\\\";
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + '"';
}

// An autostart entry of the freedesktop desktop: run at login, listed in no
// menu. It names the desktop program beside this one by its absolute path.
std::string loginItemText(const Program& p) {
    const std::string program = desktopProgram();
    const std::string icon = kApplicationId;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Biorhythm: today's caution days\n"
           "Name[ja]=バイオリズム診断：今日の要注意日\n"
           "Comment=Tells at login who in the register is on a caution day today\n"
           "Comment[ja]=ログイン時に、登録簿で今日が要注意日の人を知らせます\n"
           "Exec=" +
           execArgument(program) + " --notify --data-dir " + execArgument(dataDirText(p)) +
           "\n"
           "Icon=" +
           icon +
           "\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

std::filesystem::path loginItemFile(const Program& p) {
    return p.configDir() / "autostart" / loginItemName(p);
}

Status writeLoginItem(Program& p) {
    if (loginItemsAreValues()) return writeLoginValue(loginItemId(p), loginCommand(p));
    const std::filesystem::path file = loginItemFile(p);
    if (Status prepared = prepareDataDirectory(file.parent_path(), loginItemName(p)); !prepared)
        return prepared;
    return replaceFileAtomically(p.fileWriter(), file, loginItemText(p));
}

Status removeLoginItem(Program& p) {
    if (loginItemsAreValues()) return removeLoginValue(loginItemId(p));
    const FileStatus removed = p.fileWriter().remove(loginItemFile(p));
    if (!removed && !removed.error().missing()) return removed.error();
    return Done{};
}

}  // namespace

void loginNoticeChosen(Program& p) {
    Control& box = p.screen(ScreenId::itiran).control(itiran::kLoginNotice);
    if (const std::optional<std::string> reason = loginItemsUnavailable();
        reason && box.checked()) {
        warn(p, "ログイン時に今日の要注意日を知らせることはできません：" + *reason + "。");
        box.setChecked(false);
        return;
    }
    const Status done = box.checked() ? writeLoginItem(p) : removeLoginItem(p);
    if (!succeeded(p, done)) box.setChecked(!box.checked());
}

void showLoginNoticeChoice(Program& p) {
    std::error_code unknown;  // a folder that cannot be looked into holds no login item we wrote
    const bool there = !loginItemsUnavailable() &&
                       (loginItemsAreValues() ? loginValueExists(loginItemId(p))
                                              : std::filesystem::exists(loginItemFile(p), unknown));
    p.screen(ScreenId::itiran).control(itiran::kLoginNotice).setChecked(there);
}

}  // namespace bio
