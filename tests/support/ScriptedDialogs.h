#pragma once
// A UserDialogs for tests: answers from a script, records what was shown, never blocks.

#include "app/UserDialogs.h"

#include <QList>

#include <deque>
#include <functional>

class ScriptedDialogs : public UserDialogs {
public:
    // Answers, used in order; when a queue runs dry: Ok/No, cancel, cancel, hide, cancel.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<FileDialogAnswer> fileAnswers;  // an empty path cancels
    std::deque<std::function<bool(QPrinter&)>> printAnswers;
    std::deque<std::function<void(QDialog&)>> modalActions;
    std::deque<QString> pictureAnswers;  // an empty name cancels

    struct PictureChoice {
        QStringList fullNames;
        QString preselected;
    };
    QList<PictureChoice> pictureChoices;

    QList<MessageRequest> messages;
    QList<FileDialogRequest> fileRequests;
    QList<QDialog*> modalWindows;
    int printDialogs = 0;
    bool programEnded = false;

    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<FileDialogAnswer> showFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    bool showPrintDialog(QWidget* parent, QPrinter& printer) override;
    void showModal(QDialog& window) override;
    std::optional<QString> choosePicture(QWidget* parent, const QStringList& fullNames,
                                         const QString& preselected) override;
    void endProgram() override;
};
