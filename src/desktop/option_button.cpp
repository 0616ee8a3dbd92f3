#include "desktop/option_button.h"

namespace bio {

void OptionButton::focusInEvent(QFocusEvent* event) {
    // Qt takes the tab stop from the group's other options here.
    QRadioButton::focusInEvent(event);
    for (auto* sibling : parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (auto* option = dynamic_cast<OptionButton*>(sibling))
            option->setFocusPolicy(option->designed_);
}

}  // namespace bio
