#pragma once
// A picture box on screen: a sunken white panel that paints its display list.

#include <QFrame>
#include <vector>

#include "ui/canvas.h"

namespace bio {

class PictureWidget : public QFrame {
  public:
    explicit PictureWidget(QWidget* parent);

    // Repaints only when the drawing differs from the one on screen.
    void showDrawing(const std::vector<CanvasOp>& ops);
    const std::vector<CanvasOp>& drawing() const { return ops_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<CanvasOp> ops_;
};

}  // namespace bio
