#include "win32/screen_reader_names.h"

#include <initguid.h>
#include <oleacc.h>

#include "platform/utf16.h"

namespace bio {

ScreenReaderNames::ScreenReaderNames() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_))))
        services_ = nullptr;
}

ScreenReaderNames::~ScreenReaderNames() {
    if (services_) services_->Release();
}

void ScreenReaderNames::name(HWND control, const std::string& name,
                             const std::string& description) {
    if (!services_) return;
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, wide(name).c_str());
    if (description.empty()) {
        MSAAPROPID property = PROPID_ACC_DESCRIPTION;
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &property, 1);
        return;
    }
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_DESCRIPTION, wide(description).c_str());
}

}  // namespace bio
