#include "win32/single_instance.h"

#include "platform/utf16.h"
#include "view/single_instance.h"

namespace bio {

namespace {

constexpr wchar_t kListenerClass[] = L"BiorhythmInstance";
constexpr UINT kComeToFront = WM_APP + 1;
// A running program answers at once or not at all.
constexpr UINT kAnswerMilliseconds = 2000;

}  // namespace

std::unique_ptr<SingleInstance> SingleInstance::claim(const std::filesystem::path& dataDir) {
    const std::wstring name = wide(instanceName(dataDir));
    std::unique_ptr<SingleInstance> instance(new SingleInstance);
    instance->mutex_ = CreateMutexW(nullptr, TRUE, (L"Local\\" + name).c_str());
    if (instance->mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another start holds the folder: wait until it listens, then ask it.
        WaitForSingleObject(instance->mutex_, kAnswerMilliseconds);
        if (HWND running = FindWindowExW(HWND_MESSAGE, nullptr, kListenerClass, name.c_str())) {
            DWORD process = 0;
            GetWindowThreadProcessId(running, &process);
            AllowSetForegroundWindow(process);
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(running, kComeToFront, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                                &ignored);
            ReleaseMutex(instance->mutex_);
            return nullptr;
        }
        // A program that held the mutex but never listened has gone: go on alone.
    }
    WNDCLASSEXW listenerClass{};
    listenerClass.cbSize = sizeof listenerClass;
    listenerClass.lpfnWndProc = procedure;
    listenerClass.hInstance = GetModuleHandleW(nullptr);
    listenerClass.lpszClassName = kListenerClass;
    RegisterClassExW(&listenerClass);
    instance->listener_ =
        CreateWindowExW(0, kListenerClass, name.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(instance->listener_, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(instance.get()));
    if (instance->mutex_) ReleaseMutex(instance->mutex_);
    return instance;
}

SingleInstance::~SingleInstance() {
    if (listener_) DestroyWindow(listener_);
    if (mutex_) CloseHandle(mutex_);
}

LRESULT CALLBACK SingleInstance::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == kComeToFront) {
        auto* self = reinterpret_cast<SingleInstance*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && self->onAsked_) self->onAsked_();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

void bringToFront(HWND window) {
    if (!window) return;
    // A modal dialog of the window comes forward with it.
    HWND shown = GetLastActivePopup(window);
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(shown ? shown : window);
}

}  // namespace bio
