#include "overview/login_item.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "register/data_directory.h"
#include "register/file_replace.h"
#include "register/warnings.h"
#include "shell/application_id.h"
#include "shell/itiran_controls.h"
#include "shell/program.h"

namespace bio {

namespace {

std::string loginItemName() { return std::string(kApplicationId) + "-notify.desktop"; }

// An autostart entry of the freedesktop desktop: run at login, listed in no menu.
std::string loginItemText() {
    const std::string icon = kApplicationId;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Biorhythm: today's caution days\n"
           "Name[ja]=バイオリズム診断：今日の要注意日\n"
           "Comment=Tells at login who in the register is on a caution day today\n"
           "Comment[ja]=ログイン時に、登録簿で今日が要注意日の人を知らせます\n"
           "Exec=biorhythm --notify\n"
           "Icon=" +
           icon +
           "\n"
           "Terminal=false\n"
           "NoDisplay=true\n";
}

std::filesystem::path loginItemFile(const Program& p) {
    return p.configDir() / "autostart" / loginItemName();
}

Status writeLoginItem(const std::filesystem::path& file) {
    if (Status prepared = prepareDataDirectory(file.parent_path(), loginItemName()); !prepared)
        return prepared;
    if (const int error = replaceFileAtomically(file, loginItemText()))
        return FileFailure{loginItemName(), FileStep::Write, error};
    return Done{};
}

Status removeLoginItem(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) != 0 && errno != ENOENT)
        return FileFailure{loginItemName(), FileStep::Remove, errno};
    return Done{};
}

}  // namespace

void loginNoticeChosen(Program& p) {
    Control& box = p.screen(ScreenId::itiran).control(itiran::kLoginNotice);
    const std::filesystem::path file = loginItemFile(p);
    const Status done = box.checked() ? writeLoginItem(file) : removeLoginItem(file);
    if (!succeeded(p, done)) box.setChecked(!box.checked());
}

void showLoginNoticeChoice(Program& p) {
    std::error_code unknown;  // a folder that cannot be looked into holds no login item we wrote
    const bool there = std::filesystem::exists(loginItemFile(p), unknown);
    p.screen(ScreenId::itiran).control(itiran::kLoginNotice).setChecked(there);
}

}  // namespace bio
