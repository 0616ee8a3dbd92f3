#pragma once
// The user interface thread's membership of COM, taken at the first need
// rather than at start: COM costs a start some milliseconds, and only the
// file dialogs and screen readers use it. The thread joins as a
// single-threaded apartment, as a thread with windows and a message loop
// must, at most once; it leaves when this object goes, after everything that
// used COM through it.

#include <windows.h>

namespace bio {

class ComApartment {
  public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Joins this thread to COM the first time it is called; true when the
    // thread is a single-threaded apartment, false when COM refused (the
    // thread was made multithreaded), and so on every later call.
    bool join();

  private:
    bool tried_ = false;
    bool joined_ = false;  // each successful join is undone once
};

}  // namespace bio
