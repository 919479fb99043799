#pragma once
// The real dialogs: Qt's message boxes, file and print dialogs.

#include "app/UserDialogs.h"

class QtUserDialogs : public UserDialogs {
public:
    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<FileDialogAnswer> showFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    bool showPrintDialog(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> choosePicture(QWidget* parent, const QStringList& fullNames,
                                         const QString& preselected) override;
    void showModal(QDialog& window) override;
    void endProgram() override;
};

// "Name|*.a;*.b|Other|*.c" as Qt name filters: "Name (*.a *.b)", "Other (*.c)".
QStringList qtNameFilters(const QString& filter);
