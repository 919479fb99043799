#include "CliRun.h"

#include <QFile>
#include <QProcess>

QList<QByteArray> CliRun::errorLines() const
{
    QList<QByteArray> lines = err.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PIXORAM_CLI_PATH), arguments);
    CliRun run;
    // A generous bound: a hang fails the test instead of stopping the suite.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

PictureGrid cellsOfImage(const QImage& image)
{
    PictureGrid grid;
    for (int y = 0; y < std::min(kRows, image.height()); ++y) {
        for (int x = 0; x < std::min(kColumns, image.width()); ++x) {
            if ((image.pixel(x, y) & 0x00FFFFFF) == 0)
                grid.setCell(x, y, 1);
        }
    }
    return grid;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
