#pragma once
// One screen of the model as a top-level window: widgets placed from the
// catalogue's twips, written from the model, and the user's input handed back
// to the model untouched.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/accessible_names.h"
#include "shell/shortcuts.h"
#include "ui/screen.h"

class QAction;
class QMenuBar;

namespace bio {

// What the user did in a window.
struct WindowInput {
    std::function<void(const std::string& key, const std::string& text)> typed;
    std::function<void(const std::string& key)> selected;
    std::function<void(const std::string& key, bool checked)> checked;
    std::function<void(const std::string& key)> clicked;
    std::function<void()> enter;
    std::function<void()> closeBox;
};

class ScreenWindow : public QWidget {
  public:
    // `shortcuts` click their commands; a window with a menu bar opens it by F10.
    ScreenWindow(const ScreenDesign& design, const std::vector<Shortcut>& shortcuts,
                 WindowInput input);
    ~ScreenWindow() override;

    // Writes every widget whose value differs from the model, without letting
    // the write come back as input.
    void mirror(const Screen& screen);
    // Shows the window in front, its frame's top-left corner at `place` when
    // given; the first time the first control of the tab order takes the focus.
    void open(const std::optional<QPoint>& place);
    bool opened() const { return opened_; }

    // The widget of a control; nullptr for menu commands and the printer dialog.
    QWidget* widget(const std::string& key) const;
    QAction* menuCommand(const std::string& key) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Bound;

    void build(const ScreenDesign& design);
    QWidget* createWidget(const ControlDesign& control, QWidget* parent);
    void applyTabOrder(const ScreenDesign& design);
    // Names from the design for the screen reader, labels linked to their boxes.
    void applyNames(const ScreenDesign& design);
    void bindKeys(const std::vector<Shortcut>& shortcuts);
    void openMenuBar();
    const Bound* find(const std::string& key) const;

    WindowInput input_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::vector<Bound> bound_;  // catalogue order, like the screen's controls
    std::string firstFocus_;
    bool opened_ = false;
};

}  // namespace bio
