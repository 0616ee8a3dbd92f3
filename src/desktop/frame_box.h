#pragma once
// A frame as the screens were designed: an etched rectangle with its caption
// set into the top edge, holding the controls placed inside it.

#include <QString>
#include <QWidget>

namespace bio {

class FrameBox : public QWidget {
  public:
    FrameBox(const QString& title, QWidget* parent);

    const QString& title() const { return title_; }
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString title_;
};

}  // namespace bio
