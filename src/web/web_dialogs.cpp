#include "web/web_dialogs.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "platform/path.h"

namespace bio {

namespace {

// The page's dialogs (site/dialogs.js); the program waits while a promise is
// pending. Answers that are strings come in memory the caller frees,
// nullptr for a cancelled dialog. (clang-format would take the JavaScript
// for C++.)
// clang-format off
EM_ASYNC_JS(int, page_message_box, (const char* text, const char* title),
            { return await Module.page.messageBox(UTF8ToString(text), UTF8ToString(title)); });

EM_ASYNC_JS(char*, page_input_box, (const char* prompt, const char* title, const char* text), {
    const answer =
        await Module.page.inputBox(UTF8ToString(prompt), UTF8ToString(title), UTF8ToString(text));
    return answer === null ? 0 : allocateUTF8(answer);
});

EM_ASYNC_JS(char*, page_open_file, (const char* title, const char* filter), {
    const path = await Module.page.openFile(UTF8ToString(title), UTF8ToString(filter));
    return path === null ? 0 : allocateUTF8(path);
});

// Where a saved file goes: the page downloads it once the command is done.
EM_JS(char*, page_save_file, (const char* name),
      { return allocateUTF8(Module.page.saveFile(UTF8ToString(name))); });

std::optional<std::string> taken(char* answer) {
    if (!answer) return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> owned(answer, &std::free);
    return std::string(owned.get());
}

}  // namespace

void WebDialogs::prepare() {
    if (beforeOpening_) beforeOpening_();
}

Answer WebDialogs::messageBox(const std::string& text, const std::string& title) {
    prepare();
    return page_message_box(text.c_str(), title.c_str()) ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> WebDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
    prepare();
    return taken(page_input_box(prompt.c_str(), title.c_str(), defaultText.c_str()));
}

// The browser asks for the printer once the document is composed.
bool WebDialogs::printerDialog() { return true; }

std::optional<std::filesystem::path> WebDialogs::fileDialog(const FileRequest& request) {
    if (request.mode == FileDialogMode::Save)
        return pathFromUtf8(*taken(page_save_file(request.defaultName.c_str())));
    prepare();
    const std::optional<std::string> path =
        taken(page_open_file(request.title.c_str(), request.filter.c_str()));
    if (!path) return std::nullopt;
    return pathFromUtf8(*path);
}

}  // namespace bio
