#pragma once
// One screen of the model as a top-level window: widgets placed from the
// catalogue's twips, written from the model, and the user's input handed back
// to the model untouched.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/accessible_names.h"
#include "shell/shortcuts.h"
#include "ui/screen.h"
#include "view/program_windows.h"

class QAction;
class QMenuBar;

namespace bio {

class ScreenWindow : public QWidget, public ScreenView {
  public:
    // `shortcuts` click their commands; a window with a menu bar opens it by F10.
    ScreenWindow(const ScreenDesign& design, const std::vector<Shortcut>& shortcuts,
                 WindowInput input);
    ~ScreenWindow() override;

    void mirror(const Screen& screen) override;
    // The first time the first control of the tab order takes the focus.
    void open(const std::optional<PixelPoint>& place) override;
    void hide() override { QWidget::hide(); }
    bool isVisible() const override { return QWidget::isVisible(); }
    bool opened() const override { return opened_; }
    PixelPoint position() const override;
    PixelSize frameSize() const override;

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
