#include "register/data_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "register/warnings.h"
#include "shell/program.h"

namespace bio {

namespace {

// mkdir -p with mode 0700; 0 or the errno of the step that failed.
int makeDirectories(const std::filesystem::path& dir) {
    struct stat status {};
    if (::stat(dir.c_str(), &status) == 0) return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    const std::filesystem::path parent = dir.parent_path();
    if (!parent.empty() && parent != dir) {
        if (int error = makeDirectories(parent)) return error;
    }
    if (::mkdir(dir.c_str(), S_IRWXU) != 0 && errno != EEXIST) return errno;
    return 0;
}

}  // namespace

bool prepareDataDirectory(Program& p, std::string_view fileName) {
    const std::filesystem::path& dir = p.dataDir();
    std::error_code ignored;
    const bool existed = std::filesystem::is_directory(dir, ignored);
    const int error = !existed                           ? makeDirectories(dir)
                      : ::access(dir.c_str(), W_OK) != 0 ? errno
                                                         : 0;
    if (error == 0) return true;
    std::string text = "ファイル ";
    text += fileName;
    text += " を保存するフォルダー " + dir.string();
    text += existed ? " に書き込めません：" : " を作成できません：";
    text += failureReason(error) + "。";
    warn(p, text);
    return false;
}

}  // namespace bio
