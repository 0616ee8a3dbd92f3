#pragma once
// One program per data folder. The first start owns a named mutex and a
// message-only window, both named after the data folder; a later start on the
// same folder finds the window, lets the running program take the
// foreground (AllowSetForegroundWindow) and asks it to come to the front.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace bio {

class SingleInstance {
  public:
    // This program's claim on the data folder; nullptr when another program
    // runs on it and has been asked to come to the front.
    static std::unique_ptr<SingleInstance> claim(const std::filesystem::path& dataDir);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // What to do when a later start asks this program to come to the front.
    void setOnAsked(std::function<void()> onAsked) { onAsked_ = std::move(onAsked); }

  private:
    SingleInstance() = default;
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);

    HANDLE mutex_ = nullptr;
    HWND listener_ = nullptr;
    std::function<void()> onAsked_;
};

// Shows the window in front of the others, restored if it was minimised.
void bringToFront(HWND window);

}  // namespace bio
