// What the page calls: the program started, and each thing the user does in
// a screen's window handed to it. The page keeps the program's handle; a
// call that reaches a dialog returns to the page while the dialog is open
// and finishes once it is answered (Asyncify).

#include <emscripten.h>

#include "platform/path.h"
#include "web/web_program.h"

namespace {

bio::WebScreen& window(bio::WebProgram* program, int screen) {
    return program->screen(static_cast<bio::ScreenId>(screen));
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE bio::WebProgram* bio_start(const char* dataDir, const char* configDir) {
    auto* program = new bio::WebProgram(bio::pathFromUtf8(dataDir), bio::pathFromUtf8(configDir));
    program->start();
    return program;
}

EMSCRIPTEN_KEEPALIVE int bio_prepare(bio::WebProgram* program) { return program->prepareOne(); }

EMSCRIPTEN_KEEPALIVE void bio_typed(bio::WebProgram* program, int screen, const char* key,
                                    const char* text) {
    window(program, screen).input().typed(key, text);
}

EMSCRIPTEN_KEEPALIVE void bio_selected(bio::WebProgram* program, int screen, const char* key) {
    window(program, screen).input().selected(key);
}

EMSCRIPTEN_KEEPALIVE void bio_checked(bio::WebProgram* program, int screen, const char* key,
                                      int checked) {
    window(program, screen).input().checked(key, checked != 0);
}

EMSCRIPTEN_KEEPALIVE void bio_clicked(bio::WebProgram* program, int screen, const char* key) {
    window(program, screen).input().clicked(key);
}

EMSCRIPTEN_KEEPALIVE void bio_enter(bio::WebProgram* program, int screen) {
    window(program, screen).input().enter();
}

EMSCRIPTEN_KEEPALIVE void bio_close(bio::WebProgram* program, int screen) {
    window(program, screen).input().closeBox();
}
}
