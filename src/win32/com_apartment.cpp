#include "win32/com_apartment.h"

#include <objbase.h>

namespace bio {

ComApartment::~ComApartment() {
    if (joined_) CoUninitialize();
}

bool ComApartment::join() {
    if (tried_) return joined_;
    tried_ = true;
    // S_FALSE (the thread already was one) counts as a join too.
    joined_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    return joined_;
}

}  // namespace bio
