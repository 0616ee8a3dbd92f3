#include "desktop/accessible_roles.h"

#include <QAccessibleWidget>

#include "desktop/frame_box.h"
#include "desktop/picture_widget.h"
#include "desktop/screen_window.h"

namespace bio {

namespace {

// None of these widgets declares a class of its own to Qt, so Qt asks by the
// class they are built on.
QAccessibleInterface* roleOf(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget")) {
        if (auto* frame = dynamic_cast<FrameBox*>(object))
            return new QAccessibleWidget(frame, QAccessible::Grouping);
        if (auto* window = dynamic_cast<ScreenWindow*>(object))
            return new QAccessibleWidget(window, QAccessible::Window);
    } else if (className == QLatin1String("QFrame")) {
        if (auto* picture = dynamic_cast<PictureWidget*>(object))
            return new QAccessibleWidget(picture, QAccessible::Chart);
    }
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(roleOf);
        return true;
    }();
    (void)installed;
}

}  // namespace bio
