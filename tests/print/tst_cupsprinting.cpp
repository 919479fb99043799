// File > Print through CUPS to a PDF queue, the way a real printer is reached, and the page the
// queue produced read back. Starts cupsd and adds the queue when they are missing, and removes
// what it added. Skips, saying why, where CUPS cannot run.
#include "PdfPages.h"
#include "app/frmPixoram.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"

#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kDpi = 144;
const QString kQueue = QStringLiteral("PixoramTestPDF");

struct Outcome {
    int exitCode = -1;
    QString output;
};

Outcome run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

bool schedulerRunning()
{
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).output.contains(QLatin1String("is running"));
}

// Where cups-pdf puts the jobs of this user: its Out setting, ${HOME} expanded.
QString outputFolder()
{
    QString folder = QStringLiteral("${HOME}/PDF");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : config.readAll().split('\n')) {
            const QString text = QString::fromLocal8Bit(line).trimmed();
            if (text.startsWith(QLatin1String("Out ")))
                folder = text.mid(4).trimmed();
        }
    }
    const passwd* user = getpwuid(geteuid());
    return folder.replace(QLatin1String("${HOME}"), QString::fromLocal8Bit(user ? user->pw_dir : "/root"));
}

PictureGrid stripedGrid()
{
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x)
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, (x / 3 + y / 2) % 4 == 0 || x == y ? 1 : 0);
    return grid;
}

}  // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printsToTheQueue();

private:
    QProcess cupsd;
    bool startedCupsd = false;
    bool addedQueue = false;
};

void TestCupsPrinting::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("CUPS printing is tested as root only: it starts cupsd and adds a printer queue");
    for (const char* tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat", "/usr/lib/cups/backend/cups-pdf"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QSKIP(qPrintable(QStringLiteral("CUPS cannot run here: %1 is missing (packages cups and "
                                            "printer-driver-cups-pdf)").arg(QLatin1String(tool))));
    }
    if (!schedulerRunning()) {
        cupsd.setProcessChannelMode(QProcess::MergedChannels);
        cupsd.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f")});
        startedCupsd = cupsd.waitForStarted();
        if (!startedCupsd || !QTest::qWaitFor(schedulerRunning, 20000))
            QSKIP(qPrintable(QStringLiteral("CUPS cannot run here: cupsd did not start (%1)")
                                 .arg(QString::fromLocal8Bit(cupsd.readAll()).trimmed())));
    }
    if (run(QStringLiteral("lpstat"), {QStringLiteral("-p"), kQueue}).exitCode != 0) {
        const Outcome added = run(QStringLiteral("lpadmin"),
                                  {QStringLiteral("-p"), kQueue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                                   QStringLiteral("-E"), QStringLiteral("-m"),
                                   QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")});
        addedQueue = added.exitCode == 0;
        if (!addedQueue)
            QSKIP(qPrintable(QStringLiteral("CUPS cannot run here: the PDF queue could not be added (%1)")
                                 .arg(added.output.trimmed())));
    }
}

void TestCupsPrinting::cleanupTestCase()
{
    if (addedQueue)
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kQueue});
    if (startedCupsd) {
        cupsd.terminate();
        if (!cupsd.waitForFinished(10000)) {
            cupsd.kill();
            cupsd.waitForFinished();
        }
    }
}

void TestCupsPrinting::printsToTheQueue()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drawCells(w.document, stripedGrid());
    w.pageSetup = PageSetupValues{1.5, 0.75f, 5};

    // The user picks the queue in the print dialog and accepts.
    bool native = false;
    QPointF origin;
    dialogs.printAnswers.push_back([&](QPrinter& printer) {
        printer.setPrinterName(kQueue);
        native = printer.isValid() && printer.outputFormat() == QPrinter::NativeFormat;
        origin = printer.pageLayout().paintRectPoints().topLeft() * (kDpi / 72.0);
        return true;
    });

    const QDir folder(outputFolder());
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    w.miPrint_Click();
    QVERIFY2(native, "Qt does not offer the CUPS queue as a printer");

    // The job is done when a new PDF in the output folder stops growing.
    QString produced;
    qint64 lastSize = -1;
    const bool done = QTest::qWaitFor(
        [&] {
            const QFileInfoList pdfs = folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            if (pdfs.isEmpty() || pdfs.first().lastModified() < started)
                return false;
            const qint64 size = pdfs.first().size();
            const bool settled = size > 0 && size == lastSize && pdfs.first().absoluteFilePath() == produced;
            produced = pdfs.first().absoluteFilePath();
            lastSize = size;
            return settled;
        },
        60000);
    QVERIFY2(done, qPrintable(QStringLiteral("no PDF arrived in %1; jobs: %2")
                                  .arg(folder.path(),
                                       run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all")})
                                           .output)));

    const QImage page = renderPdfPage(produced, kDpi);
    QFile::remove(produced);
    QVERIFY(!page.isNull());
    const PictureGrid printed = readBackGrid(page, origin, kDpi, w.pageSetup);
    QVERIFY(printed == w.grid);
    const QRect ink = inkBox(page);
    const QRectF frame = framePixels(origin, kDpi, w.pageSetup);
    QVERIFY2(qAbs(ink.left() - frame.left()) <= 1 && qAbs(ink.top() - frame.top()) <= 1
                 && qAbs(ink.right() + 1 - frame.right()) <= 1 && qAbs(ink.bottom() + 1 - frame.bottom()) <= 1,
             qPrintable(QStringLiteral("ink %1,%2 to %3,%4; frame %5,%6 to %7,%8")
                            .arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom())
                            .arg(frame.left()).arg(frame.top()).arg(frame.right()).arg(frame.bottom())));
    QVERIFY(dialogs.messages.isEmpty());
}

QTEST_MAIN(TestCupsPrinting)
#include "tst_cupsprinting.moc"
