#include "support/ScriptedDialogs.h"

#include <QDialog>

MessageAnswer ScriptedDialogs::showMessage(QWidget*, const MessageRequest& request)
{
    messages << request;
    const MessageAnswer fallback =
        request.buttons == MessageRequest::Buttons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    if (messageAnswers.empty())
        return fallback;
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<FileDialogAnswer> ScriptedDialogs::showFileDialog(QWidget*, const FileDialogRequest& request)
{
    fileRequests << request;
    if (fileAnswers.empty())
        return std::nullopt;
    const FileDialogAnswer answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.path.isEmpty())
        return std::nullopt;
    return answer;
}

bool ScriptedDialogs::showPrintDialog(QWidget*, QPrinter& printer)
{
    ++printDialogs;
    if (printAnswers.empty())
        return false;
    auto answer = printAnswers.front();
    printAnswers.pop_front();
    return answer(printer);
}

void ScriptedDialogs::showModal(QDialog& window)
{
    modalWindows << &window;
    window.show();
    if (!modalActions.empty()) {
        auto action = modalActions.front();
        modalActions.pop_front();
        action(window);
    }
    window.hide();
}

void ScriptedDialogs::endProgram()
{
    programEnded = true;
}

std::optional<QString> ScriptedDialogs::choosePicture(QWidget*, const QStringList& fullNames, const QString& preselected)
{
    pictureChoices << PictureChoice{fullNames, preselected};
    if (pictureAnswers.empty())
        return std::nullopt;
    const QString answer = pictureAnswers.front();
    pictureAnswers.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}
