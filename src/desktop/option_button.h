#pragma once
// An option button of a frame's group. Qt moves through the group with the
// arrow keys, selecting as it goes, and would leave the group only one tab
// stop; the screens were designed with a stop on every option, so each keeps
// the one its screen's tab order gives it.

#include <QRadioButton>

namespace bio {

class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

    // Once the tab order is set: the focus policy it gave this option.
    void keepFocusPolicy() { designed_ = focusPolicy(); }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    Qt::FocusPolicy designed_ = Qt::StrongFocus;
};

}  // namespace bio
