#pragma once
// What Narrator and NVDA read of each control through MSAA: its name, a
// graph's description, and the role of a graph or a frame. A control answers
// WM_GETOBJECT for its client area with the system's own accessible object
// for it, wrapped so that these come from the model; everything else stays
// the system's. Windows and Wine both honour this route, where Dynamic
// Annotation (IAccPropServices) is a stub under Wine.
//
// Nothing of oleacc or COM is touched until a screen reader first asks: the
// program starts as fast without one.

#include <windows.h>

#include <map>
#include <string>

#include "shell/accessible_names.h"
#include "ui/control.h"
#include "win32/com_apartment.h"

namespace bio {

class ScreenReaderNames {
  public:
    // The objects go to readers through COM, which `apartment` joins.
    explicit ScreenReaderNames(ComApartment& apartment) : apartment_(apartment) {}
    ~ScreenReaderNames();
    ScreenReaderNames(const ScreenReaderNames&) = delete;
    ScreenReaderNames& operator=(const ScreenReaderNames&) = delete;

    // `control`, a window of a control of that kind, says `words` from now
    // on; a change is announced to the readers listening.
    void name(HWND control, ControlKind kind, const AccessibleText& words);

    struct Words {
        std::wstring name, description;
        long role = 0;  // a ROLE_SYSTEM_ value, or 0 for the control's own
        bool operator==(const Words&) const = default;
    };

  private:
    static LRESULT CALLBACK subclassed(HWND control, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                       DWORD_PTR self);
    LRESULT answer(HWND control, WPARAM w, LPARAM l);

    ComApartment& apartment_;
    std::map<HWND, Words> words_;
};

}  // namespace bio
