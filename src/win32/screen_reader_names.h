#pragma once
// Names and descriptions for screen readers (Narrator, NVDA) that the
// controls cannot carry themselves, given through Dynamic Annotation.

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace bio {

class ScreenReaderNames {
  public:
    ScreenReaderNames();
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

    // An empty description clears it.
    void name(HWND control, const std::string& name, const std::string& description);

  private:
    IAccPropServices* services_ = nullptr;  // none where the system offers no annotation
};

}  // namespace bio
