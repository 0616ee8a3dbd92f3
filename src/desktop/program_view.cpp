#include "desktop/program_view.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "desktop/qt_convert.h"
#include "shell/catalogue.h"
#include "shell/shortcuts.h"
#include "shell/warnings.h"

namespace bio {

ProgramView::ProgramView(Program& program, std::filesystem::path placeFile)
    : windows_(program, *this, std::move(placeFile)) {}

std::unique_ptr<ScreenView> ProgramView::makeWindow(ScreenId id, WindowInput input) {
    return std::make_unique<ScreenWindow>(screenDesign(id), shortcuts(id), std::move(input));
}

WorkAreas ProgramView::workAreas() const {
    WorkAreas areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.screens.push_back(pixelRectOf(screen->availableGeometry()));
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.primary = pixelRectOf(primary->availableGeometry());
    return areas;
}

void ProgramView::showInternalError(const std::string& text) {
    QMessageBox box(dialogParent());
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QString::fromUtf8(kWarningTitle.data(), qsizetype(kWarningTitle.size())));
    box.setText(QString::fromStdString(text));
    box.exec();
}

void ProgramView::ended() {
    if (onEnded_) onEnded_();
}

ScreenWindow* ProgramView::window(ScreenId id) const {
    return static_cast<ScreenWindow*>(windows_.window(id));
}

QWidget* ProgramView::dialogParent() const {
    return static_cast<ScreenWindow*>(windows_.dialogParent());
}

}  // namespace bio
