#include "win32/screen_reader_names.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <atomic>
#include <new>

#include "platform/utf16.h"

namespace bio {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's accessible object of a control with the model's words in
// front of it, for the control itself; its children (a list's items) and
// everything else are the system's.
class SpokenAccessible final : public IAccessible {
  public:
    // Takes over the reference to `standard`.
    SpokenAccessible(IAccessible* standard, ScreenReaderNames::Words words)
        : standard_(standard), words_(std::move(words)) {}
    SpokenAccessible(const SpokenAccessible&) = delete;
    SpokenAccessible& operator=(const SpokenAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // Readers also ask a control for its window and its children; never
        // hand on anything else, such as a way to marshal the bare object.
        if (iid == IID_IOleWindow || iid == IID_IEnumVARIANT)
            return standard_->QueryInterface(iid, object);
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // Readers call the interface itself; late binding would bypass the words.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child) || words_.name.empty()) return standard_->get_accName(child, name);
        return text(words_.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!isSelf(child) || words_.description.empty())
            return standard_->get_accDescription(child, description);
        return text(words_.description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || words_.role == 0) return standard_->get_accRole(child, role);
        if (!role) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = words_.role;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~SpokenAccessible() { standard_->Release(); }

    static HRESULT text(const std::wstring& words, BSTR* out) {
        if (!out) return E_INVALIDARG;
        *out = SysAllocStringLen(words.data(), static_cast<UINT>(words.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* standard_;
    ScreenReaderNames::Words words_;
    std::atomic<ULONG> references_{1};
};

// A frame is a group that names the options and boxes it holds (readers find
// it as the group box before them that contains them); a picture is a graph.
long roleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
            return ROLE_SYSTEM_GROUPING;
        case ControlKind::PictureBox:
            return ROLE_SYSTEM_GRAPHIC;
        default:
            return 0;
    }
}

}  // namespace

ScreenReaderNames::~ScreenReaderNames() {
    for (const auto& [control, words] : words_)
        RemoveWindowSubclass(control, subclassed, kSubclassId);
}

void ScreenReaderNames::name(HWND control, ControlKind kind, const AccessibleText& text) {
    Words words{wide(text.name), wide(text.description), roleOf(kind)};
    auto [at, fresh] = words_.try_emplace(control);
    if (fresh) {
        SetWindowSubclass(control, subclassed, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    } else if (at->second == words) {
        return;
    }
    const bool renamed = at->second.name != words.name;
    const bool redescribed = at->second.description != words.description;
    at->second = std::move(words);
    if (fresh) return;
    if (renamed) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    if (redescribed)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK ScreenReaderNames::subclassed(HWND control, UINT message, WPARAM w, LPARAM l,
                                               UINT_PTR, DWORD_PTR self) {
    auto* names = reinterpret_cast<ScreenReaderNames*>(self);
    if (message == WM_GETOBJECT) return names->answer(control, w, l);
    if (message == WM_NCDESTROY) {
        names->words_.erase(control);
        RemoveWindowSubclass(control, subclassed, kSubclassId);
    }
    return DefSubclassProc(control, message, w, l);
}

LRESULT ScreenReaderNames::answer(HWND control, WPARAM w, LPARAM l) {
    const auto words = words_.find(control);
    if (static_cast<LONG>(l) != OBJID_CLIENT || words == words_.end())
        return DefSubclassProc(control, WM_GETOBJECT, w, l);
    // The object goes to the reader's process through COM, which this
    // thread joins the first time a reader asks.
    apartment_.join();
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard))))
        return DefSubclassProc(control, WM_GETOBJECT, w, l);
    auto* spoken = new (std::nothrow) SpokenAccessible(standard, words->second);
    if (!spoken) {
        standard->Release();
        return DefSubclassProc(control, WM_GETOBJECT, w, l);
    }
    const LRESULT result = LresultFromObject(IID_IAccessible, w, spoken);
    spoken->Release();
    return result;
}

}  // namespace bio
