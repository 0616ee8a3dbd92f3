#include "desktop/screen_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "desktop/frame_box.h"
#include "desktop/japanese_fonts.h"
#include "desktop/option_button.h"
#include "desktop/picture_widget.h"
#include "desktop/qt_convert.h"
#include "view/contrast.h"

namespace bio {

struct ScreenWindow::Bound {
    std::string key;
    ControlKind kind = ControlKind::Label;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    std::vector<std::string> items;  // what the list widget shows
    std::vector<std::string> highlights;
    DesignName designName;
};

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

void mirrorText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

void mirrorCaption(QAbstractButton* button, const QString& caption) {
    if (button->text() != caption) button->setText(caption);
}

void speak(QWidget* widget, const AccessibleText& text) {
    if (widget->accessibleName() != qt(text.name)) widget->setAccessibleName(qt(text.name));
    if (widget->accessibleDescription() != qt(text.description))
        widget->setAccessibleDescription(qt(text.description));
}

void mirrorSelection(QAbstractButton* button, bool selected) {
    if (button->isChecked() == selected) return;
    const QSignalBlocker quiet(button);
    button->setChecked(selected);
}

// Highlighted items in the palette's light red, the colour of caution on the
// graphs, and with the highlight's words for the screen reader.
void mirrorItems(QListWidget* list, std::vector<std::string>& shown,
                 std::vector<std::string>& shownHighlights, const Control& control) {
    if (shown == control.items() && shownHighlights == control.highlights()) return;
    list->clear();
    const QColor ink = qtColor(inkFor({255, 0, 0}, rgbOf(list->palette().color(QPalette::Base))));
    for (std::size_t i = 0; i < control.items().size(); ++i) {
        auto* item = new QListWidgetItem(qt(control.items()[i]), list);
        const std::string& highlight = control.highlights()[i];
        if (highlight.empty()) continue;
        item->setForeground(ink);
        item->setData(Qt::AccessibleDescriptionRole, qt(highlight));
    }
    shown = control.items();
    shownHighlights = control.highlights();
}

QKeySequence keySequence(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::Escape:
            return Qt::Key_Escape;
        case ShortcutKey::PageUp:
            return Qt::Key_PageUp;
        case ShortcutKey::PageDown:
            return Qt::Key_PageDown;
        case ShortcutKey::CtrlP:
            return Qt::CTRL | Qt::Key_P;
    }
    return {};
}

}  // namespace

ScreenWindow::ScreenWindow(const ScreenDesign& design, const std::vector<Shortcut>& shortcuts,
                           WindowInput input)
    : input_(std::move(input)) {
    setWindowTitle(qt(design.caption));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const double dpi = logicalDpiX();
    client_ = new QWidget(this);
    client_->setFixedSize(twipsToPixels(design.width, dpi), twipsToPixels(design.height, dpi));
    if (design.background) {
        // The text keeps the colours it was designed with on that background,
        // whatever the desktop's theme would give it.
        QPalette palette = client_->palette();
        palette.setColor(QPalette::Window,
                         QColor(design.background->r, design.background->g, design.background->b));
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        client_->setPalette(palette);
        client_->setAutoFillBackground(true);
    }
    layout->addWidget(client_);
    build(design);
    applyTabOrder(design);
    applyNames(design);
    bindKeys(shortcuts);
    // Sized now, so that the window can be placed before it is first shown.
    adjustSize();
}

ScreenWindow::~ScreenWindow() = default;

void ScreenWindow::build(const ScreenDesign& design) {
    bound_.resize(design.controls.size());
    // Frames first, so that the controls they hold find them whatever the
    // catalogue order; controls inside a frame are placed relative to it.
    std::map<std::string, QWidget*> frames;
    auto place = [&](std::size_t i) {
        const ControlDesign& control = design.controls[i];
        QWidget* parent = client_;
        if (auto frame = frames.find(control.container); frame != frames.end())
            parent = frame->second;
        Bound& bound = bound_[i];
        bound.key = controlKey(control.name, control.index);
        bound.kind = control.kind;
        bound.widget = createWidget(control, parent);
        if (!bound.widget) return;
        bound.widget->setGeometry(qtRect(pixelRect(control.rect, logicalDpiX())));
        bound.widget->setFont(qtFont(control.font.value_or(design.font)));
        if (control.kind == ControlKind::Frame) frames[bound.key] = bound.widget;
    };
    for (std::size_t i = 0; i < design.controls.size(); ++i)
        if (design.controls[i].kind == ControlKind::Frame) place(i);
    for (std::size_t i = 0; i < design.controls.size(); ++i)
        if (design.controls[i].kind != ControlKind::Frame) place(i);

    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        if (design.controls[i].kind != ControlKind::MenuCommand) continue;
        if (!menuBar_) {
            menuBar_ = new QMenuBar(this);
            // Nine commands share sindan's bar: with the style's wide margins
            // the last would hide behind the overflow button. The command the
            // keyboard is on keeps the highlight the style would give it.
            menuBar_->setStyleSheet(QStringLiteral(
                "QMenuBar { spacing: 0px; } QMenuBar::item { padding: 1px 4px; }"
                "QMenuBar::item:selected, QMenuBar::item:pressed { background: palette(highlight);"
                " color: palette(highlighted-text); }"));
            this->layout()->setMenuBar(menuBar_);
        }
        const std::string key = bound_[i].key;
        bound_[i].action = menuBar_->addAction(qt(design.controls[i].caption));
        connect(bound_[i].action, &QAction::triggered, this, [this, key] { input_.clicked(key); });
    }

    if (auto* button = qobject_cast<QPushButton*>(widget(design.defaultButton)))
        button->setDefault(true);
}

QWidget* ScreenWindow::createWidget(const ControlDesign& control, QWidget* parent) {
    const std::string key = controlKey(control.name, control.index);
    const QString caption = qt(control.caption);
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            edit->setReadOnly(control.readOnly);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, key](const QString& text) { input_.typed(key, text.toStdString()); });
            return edit;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(caption, parent);
            // As on the platform the screens come from, Enter on a focused
            // button presses that button.
            button->setAutoDefault(true);
            connect(button, &QPushButton::clicked, this, [this, key] { input_.clicked(key); });
            return button;
        }
        case ControlKind::OptionButton: {
            // The options of a frame are one group, as on the model: the arrow
            // keys move through it and select.
            auto* option = new OptionButton(caption, parent);
            connect(option, &QRadioButton::clicked, this, [this, key] { input_.selected(key); });
            return option;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(caption, parent);
            connect(box, &QCheckBox::clicked, this,
                    [this, key](bool checked) { input_.checked(key, checked); });
            return box;
        }
        case ControlKind::Frame:
            return new FrameBox(caption, parent);
        case ControlKind::ListBox:
            return new QListWidget(parent);
        case ControlKind::PictureBox:
            return new PictureWidget(parent);
        case ControlKind::MenuCommand:
        case ControlKind::PrinterDialog:
            return nullptr;
    }
    return nullptr;
}

void ScreenWindow::applyTabOrder(const ScreenDesign& design) {
    std::vector<QWidget*> chain;
    for (const auto& key : design.tabOrder) {
        if (QWidget* w = widget(key)) {
            if (chain.empty()) firstFocus_ = key;
            chain.push_back(w);
        }
    }
    if (!design.firstFocus.empty()) firstFocus_ = design.firstFocus;
    // Controls outside the order take the focus only when clicked.
    for (const Bound& bound : bound_) {
        if (!bound.widget || (bound.widget->focusPolicy() & Qt::TabFocus) == 0) continue;
        if (std::find(chain.begin(), chain.end(), bound.widget) == chain.end())
            bound.widget->setFocusPolicy(Qt::ClickFocus);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (Bound& bound : bound_)
        if (auto* option = dynamic_cast<OptionButton*>(bound.widget)) option->keepFocusPolicy();
}

void ScreenWindow::applyNames(const ScreenDesign& design) {
    const std::vector<DesignName> names = designNames(design);
    for (std::size_t i = 0; i < bound_.size(); ++i) {
        Bound& bound = bound_[i];
        bound.designName = names[i];
        if (!bound.widget) continue;
        speak(bound.widget, {names[i].name, {}});
        if (auto* label = qobject_cast<QLabel*>(bound.widget))
            label->setBuddy(widget(names[i].labelFor));
    }
}

void ScreenWindow::bindKeys(const std::vector<Shortcut>& shortcuts) {
    for (const Shortcut& shortcut : shortcuts) {
        const std::string key = shortcut.control;
        connect(new QShortcut(keySequence(shortcut.key), this), &QShortcut::activated, this,
                [this, key] { input_.clicked(key); });
    }
    if (menuBar_) {
        connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
                [this] { openMenuBar(); });
    }
}

// F10 does what a lone Alt does: Qt's menu bar takes the keyboard with its
// first command highlighted; the arrows move, Enter runs a command and Esc
// hands the focus back to where it was. The bar learns of a lone Alt from the
// window's key events (an event of the Alt key itself reports Alt as held).
void ScreenWindow::openMenuBar() {
    QKeyEvent altPressed(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &altPressed);
    QKeyEvent altReleased(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &altReleased);
}

void ScreenWindow::mirror(const Screen& screen) {
    const auto& controls = screen.controls();
    for (std::size_t i = 0; i < bound_.size() && i < controls.size(); ++i) {
        Bound& bound = bound_[i];
        const Control& control = *controls[i];
        const QString text = qt(control.text());
        switch (bound.kind) {
            case ControlKind::Label: {
                auto* label = static_cast<QLabel*>(bound.widget);
                if (label->text() != text) label->setText(text);
                break;
            }
            case ControlKind::TextBox:
                mirrorText(static_cast<QLineEdit*>(bound.widget), text);
                break;
            case ControlKind::CommandButton:
                mirrorCaption(static_cast<QAbstractButton*>(bound.widget), text);
                break;
            case ControlKind::OptionButton:
                mirrorCaption(static_cast<QAbstractButton*>(bound.widget), text);
                mirrorSelection(static_cast<QAbstractButton*>(bound.widget), control.selected());
                break;
            case ControlKind::CheckBox:
                mirrorCaption(static_cast<QAbstractButton*>(bound.widget), text);
                mirrorSelection(static_cast<QAbstractButton*>(bound.widget), control.checked());
                break;
            case ControlKind::Frame: {
                static_cast<FrameBox*>(bound.widget)->setTitle(text);
                break;
            }
            case ControlKind::ListBox:
                mirrorItems(static_cast<QListWidget*>(bound.widget), bound.items, bound.highlights,
                            control);
                break;
            case ControlKind::PictureBox:
                static_cast<PictureWidget*>(bound.widget)->showDrawing(control.canvas().ops());
                speak(bound.widget, accessibleText(control, bound.designName));
                break;
            case ControlKind::MenuCommand:
                if (bound.action->text() != text) bound.action->setText(text);
                break;
            case ControlKind::PrinterDialog:
                break;
        }
    }
}

void ScreenWindow::open(const std::optional<PixelPoint>& place) {
    const bool first = !opened_;
    opened_ = true;
    if (place) move(qtPoint(*place));
    show();
    raise();
    activateWindow();
    if (first) {
        if (QWidget* focus = widget(firstFocus_)) focus->setFocus();
    }
}

PixelPoint ScreenWindow::position() const { return pixelPointOf(pos()); }

PixelSize ScreenWindow::frameSize() const { return pixelSizeOf(frameGeometry().size()); }

const ScreenWindow::Bound* ScreenWindow::find(const std::string& key) const {
    for (const Bound& bound : bound_)
        if (bound.key == key) return &bound;
    return nullptr;
}

QWidget* ScreenWindow::widget(const std::string& key) const {
    const Bound* bound = find(key);
    return bound ? bound->widget : nullptr;
}

QAction* ScreenWindow::menuCommand(const std::string& key) const {
    const Bound* bound = find(key);
    return bound ? bound->action : nullptr;
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    // A top-level widget is no dialog: Qt gives its default button no Enter.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        input_.enter();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The model decides what the close box does; the window only reports it.
    event->ignore();
    input_.closeBox();
}

}  // namespace bio
