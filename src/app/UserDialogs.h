#pragma once
// Everything that waits for the user in a modal window goes through this
// interface, so tests can answer it and record what was shown.

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

struct MessageRequest {
    enum class Icon { None, Exclamation };
    enum class Buttons { Ok, YesNo };
    QString text;
    QString title;  // empty: the application's default title, "Pixoram"
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    QString detailedText = {};  // behind the box's "Show Details..." button; empty for none
};

enum class MessageAnswer { Ok, Yes, No };

// The state of the shared common dialog CMDialog1 as a command has prepared it.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString filter;        // "Description|*.a;*.b|Other|*.c", as the commands write it
    int filterIndex = 1;   // 1-based, the filter offered first
    QString fileName;      // initial file name
    QString defaultExt;    // appended to a typed name without an extension; empty for none
    bool confirmOverwrite = false;
};

struct FileDialogAnswer {
    QString path;
    int filterIndex = 1;  // 1-based, the filter chosen
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    // Empty when the user cancelled.
    virtual std::optional<FileDialogAnswer> showFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    // False when the user cancelled; otherwise the printer is set up as chosen.
    virtual bool showPrintDialog(QWidget* parent, QPrinter& printer) = 0;
    // Lets the user pick one of the calculator's pictures ("folder\name"),
    // offering preselected first; empty when the user cancelled.
    virtual std::optional<QString> choosePicture(QWidget* parent, const QStringList& fullNames,
                                                 const QString& preselected) = 0;
    // Shows a window modally and returns once it is hidden.
    virtual void showModal(QDialog& window) = 0;
    // Ends the program at once: no further events, nothing saved.
    virtual void endProgram() = 0;
};
