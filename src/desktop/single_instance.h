#pragma once
// One desktop program per data directory (view/single_instance.h): the
// directory's instance name is a local socket in the user's runtime folder; a
// socket that a crashed program left behind answers nobody and is replaced.

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
