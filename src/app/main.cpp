// pixoram [picture file]
#include "app/QtUserDialogs.h"
#include "app/frmPixoram.h"
#include "ui/LayoutFonts.h"

#include <QApplication>
#include <QFile>

#include <csignal>

namespace {

// The whole argument text is the path, as a shell hands it over in pieces.
QString commandLinePath(int argc, char* argv[])
{
    QStringList pieces;
    for (int i = 1; i < argc; ++i)
        pieces << QFile::decodeName(argv[i]);
    return pieces.join(QLatin1Char(' '));
}

}  // namespace

int main(int argc, char* argv[])
{
    // A save beyond the user's file size limit then fails with a message
    // instead of ending the editor with the picture unsaved.
    std::signal(SIGXFSZ, SIG_IGN);

    // The path is taken before Qt sees the arguments, and Qt gets none of
    // them: a file named "-reverse" is a picture to load, not an option.
    const QString path = commandLinePath(argc, argv);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Pixoram"));
    QApplication::setDesktopFileName(QStringLiteral("pixoram"));
    installFontSubstitutes();

    QtUserDialogs dialogs;
    frmPixoram window(dialogs, path);
    window.show();
    return app.exec();
}
