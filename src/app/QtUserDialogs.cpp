#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>

namespace {

// Gives the keyboard back to the window a dialog came from; without a window
// manager nobody else does, and the menu shortcuts would stop working.
void returnFocusTo(QWidget* parent)
{
    if (parent)
        parent->window()->activateWindow();
}

}  // namespace

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

MessageAnswer QtUserDialogs::showMessage(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.title.isEmpty() ? QStringLiteral("Pixoram") : request.title);
    box.setText(request.text);
    box.setDetailedText(request.detailedText);
    box.setIcon(request.icon == MessageRequest::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (request.buttons == MessageRequest::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const bool yes = box.exec() == QMessageBox::Yes;
        returnFocusTo(parent);
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    returnFocusTo(parent);
    return MessageAnswer::Ok;
}

std::optional<FileDialogAnswer> QtUserDialogs::showFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    returnFocusTo(parent);
    if (!accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogAnswer{dialog.selectedFiles().constFirst(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

bool QtUserDialogs::showPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    returnFocusTo(parent);
    return accepted;
}

std::optional<QString> QtUserDialogs::choosePicture(QWidget* parent, const QStringList& fullNames,
                                                   const QString& preselected)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Receive Picture"));
    dialog.setLabelText(QStringLiteral("Pictures on the calculator:"));
    dialog.setComboBoxItems(fullNames);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    if (fullNames.contains(preselected))
        dialog.setTextValue(preselected);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    returnFocusTo(parent);
    if (!accepted || dialog.textValue().isEmpty())
        return std::nullopt;
    return dialog.textValue();
}

void QtUserDialogs::showModal(QDialog& window)
{
    window.exec();
    returnFocusTo(window.parentWidget());
}

void QtUserDialogs::endProgram()
{
    std::exit(0);
}
