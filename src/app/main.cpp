// pixoram [picture file]
#include "app/QtUserDialogs.h"
#include "app/frmPixoram.h"
#include "ui/LayoutFonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixoram"));
    QApplication::setDesktopFileName(QStringLiteral("pixoram"));
    installFontSubstitutes();

    // The whole argument text is the path, as a shell hands it over in pieces.
    const QStringList arguments = QApplication::arguments().mid(1);
    QtUserDialogs dialogs;
    frmPixoram window(dialogs, arguments.join(QLatin1Char(' ')));
    window.show();
    return app.exec();
}
