// The desktop program's thread joins COM at the first need, once, as a
// single-threaded apartment, and leaves it with the object that joined.

#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include "win32/com_apartment.h"

namespace bio {
namespace {

// What the thread is to COM now, asked without changing it: S_OK (and then
// left at once) when it was in no apartment, S_FALSE when already a
// single-threaded one, RPC_E_CHANGED_MODE when a multithreaded one.
HRESULT threadApartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result;
}

TEST(ComApartment, JoinsOnceAtTheFirstNeedAndLeavesWithItsObject) {
    ASSERT_EQ(threadApartment(), S_OK);
    {
        ComApartment apartment;
        EXPECT_EQ(threadApartment(), S_OK) << "joined before it was needed";
        EXPECT_TRUE(apartment.join());
        EXPECT_EQ(threadApartment(), S_FALSE);
        EXPECT_TRUE(apartment.join());
        EXPECT_TRUE(apartment.join());
    }
    // Three joins asked, one made and undone: the thread is out of COM.
    EXPECT_EQ(threadApartment(), S_OK);
}

TEST(ComApartment, RefusedOnAMultithreadedThreadAndLeavesItAsItWas) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
        ComApartment apartment;
        EXPECT_FALSE(apartment.join());
        EXPECT_FALSE(apartment.join());
    }
    // Still in the multithreaded apartment its own join made.
    EXPECT_EQ(threadApartment(), RPC_E_CHANGED_MODE);
    CoUninitialize();
    EXPECT_EQ(threadApartment(), S_OK);
}

}  // namespace
}  // namespace bio
