#pragma once
// One desktop program per data directory. The first start listens on a local
// socket named from the directory's canonical path, in the user's runtime
// folder; a later start on the same directory connects, which asks the
// running program to bring its window to the front, and ends. A socket that
// a crashed program left behind answers nobody and is replaced.

#include <QLocalServer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

namespace bio {

class SingleInstance {
  public:
    // This program's claim on the data directory; nullptr when another
    // program runs on it and has been asked to come to the front. A claim
    // that cannot listen (no runtime folder) lets the program run all the same.
    static std::unique_ptr<SingleInstance> claim(const std::filesystem::path& dataDir);

    // What to do when a later start asks this program to come to the front.
    void setOnAsked(std::function<void()> onAsked);

  private:
    QLocalServer server_;
};

// Shows the window (and the dialog it may be waiting on) in front of the others.
void bringToFront(QWidget* window);

}  // namespace bio
