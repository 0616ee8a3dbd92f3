#include "desktop/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "desktop/qt_printer.h"

namespace bio {

Answer QtDialogs::messageBox(const std::string& text, const std::string& title) {
    QMessageBox box(prepare());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    QInputDialog box(prepare());
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(QString::fromStdString(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultText));
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

std::optional<std::filesystem::path> QtDialogs::fileDialog(const FileRequest& request) {
    QWidget* parent = prepare();
    const bool save = request.mode == FileDialogMode::Save;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString filter = QString::fromStdString(request.filter);
    // Qt's own dialog, so that it speaks Japanese with the rest of the program
    // whatever the desktop's native one would.
    QFileDialog dialog(parent, QString::fromStdString(request.title), folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.selectFile(QString::fromStdString(request.defaultName));
        // A name typed without its extension gets the filter's.
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

bool QtDialogs::printerDialog() {
    QWidget* parent = prepare();
    printer_.prepareDialog();
    QPrintDialog dialog(&printer_.device(), parent);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted) return false;
    printer_.dialogAccepted();
    return true;
}

}  // namespace bio
