#include <emscripten.h>

#include <cstdlib>

#include "platform/path.h"
#include "platform/places.h"

namespace bio {

namespace {

// Under node, the folder of the script node runs, the program's own file, in
// UTF-8 (to be freed); in a browser nothing, since a page has no folder.
// clang-format off
EM_JS(char*, scriptFolder, (), {
    if (typeof process !== "object" || !process.versions || !process.versions.node) return 0;
    return allocateUTF8(__dirname);
});
// clang-format on

}  // namespace

std::filesystem::path executableDir() {
    char* folder = scriptFolder();
    if (!folder) return {};
    const std::filesystem::path path = pathFromUtf8(folder);
    std::free(folder);
    return path;
}

}  // namespace bio
