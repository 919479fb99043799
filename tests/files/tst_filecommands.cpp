// Open, drop, Save As and Save as the user meets them in the main window.
#include "FileTestSupport.h"

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "files/PictureFileReader.h"
#include "files/PictureKind.h"
#include "link/CalcCharset.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QStringList kSmallPicture = {
    "X...X",
    ".X.X.",
    "..X..",
};

QByteArray smallPictureFile()
{
    return singleVariableFile("**TI92P*", "pics", "moon", 0x10, pictureVariableData(kSmallPicture));
}

// A 240 x 103 picture: what the built-in reader expects of a dropped file.
QStringList fullScreenPicture()
{
    QStringList rows(kRows, QString(kColumns, '.'));
    rows[0].replace(0, 3, "X.X");
    rows[102][239] = 'X';
    return rows;
}

QByteArray fullScreenFile()
{
    return singleVariableFile("**TI92**", "pics", "moon", 0x10, pictureVariableData(fullScreenPicture()));
}

// The canvas as it looks with exactly these cells set.
QImage paintedCanvas(const PictureGrid& grid)
{
    Canvas canvas;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (grid.isSet(x, y))
                canvas.paintCell(x, y, Canvas::kBlack);
        }
    }
    return canvas.image();
}

int checkedTools(const frmPixoram& window)
{
    int checked = 0;
    for (int item = 1; item <= 12; ++item)
        checked += window.mitool[item]->isChecked();
    return checked;
}

// An edited picture: what a few strokes of the pen leave.
void drawPicture(frmPixoram& window, const QStringList& rows)
{
    window.markEdited();
    drawCells(window.document, gridFromRows(rows));
    window.Picture1_Paint();
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pictureKinds_data();
    void pictureKinds();
    void open_data();
    void open();
    void openFailureChangesNothing_data();
    void openFailureChangesNothing();
    void drop_data();
    void drop();
    void dropThroughTheCanvas();
    void nonRegularFilesAreRefused_data();
    void nonRegularFilesAreRefused();
    void saveAs_data();
    void saveAs();
    void saveAsFailureKeepsPictureUnsaved_data();
    void saveAsFailureKeepsPictureUnsaved();
    void save_data();
    void save();
    void saveFailure_data();
    void saveFailure();
    void ti89Files_data();
    void ti89Files();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedDialogs* dialogs_ = nullptr;
};

// Each row gets a folder of its own, holding small.9XI.
void TestFileCommands::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    writeBytes(path("small.9XI"), smallPictureFile());
}

void TestFileCommands::pictureKinds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");  // -1: none
    QTest::newRow("Moon.9XI") << "C:/pics/Moon.9XI" << int(CalcKind::TI92Plus);
    QTest::newRow("moon.V2i") << "moon.V2i" << int(CalcKind::Voyage200);
    QTest::newRow("moon.92i") << "moon.92i" << int(CalcKind::TI92);
    QTest::newRow("moon.bmp") << "moon.bmp" << -1;
    QTest::newRow("moon.89I") << "moon.89I" << int(CalcKind::TI89);
    QTest::newRow("no name") << "" << -1;
}

void TestFileCommands::pictureKinds()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    const std::optional<CalcKind> found = pictureKindOfPath(path);
    QCOMPARE(found ? int(*found) : -1, kind);
}

void TestFileCommands::open_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QStringList>("cells");  // the grid's top-left corner; the rest clear
    QTest::addColumn<int>("tool");
    QStringList large(110, QString(250, QLatin1Char('.')));
    large[0][0] = large[102][239] = large[102][240] = large[103][0] = large[109][249] = QLatin1Char('X');
    QStringList cut = large.mid(0, kRows);
    for (QString& row : cut)
        row.truncate(kColumns);
    QTest::newRow("smaller picture, Circle armed")
        << "small.9XI" << QByteArray() << "pics" << "moon" << kSmallPicture << 9;
    QTest::newRow("larger picture is cut")
        << "big.v2i" << singleVariableFile("**TI92P*", "main", "big", 0x10, pictureVariableData(large)) << "main"
        << "big" << cut << 0;
    QTest::newRow("calculator characters")
        << "greek.92i" << singleVariableFile("**TI92**", "\x80\x81", "\x8C\xEA", 0x10, pictureVariableData({"X"}))
        << calcBytesToText("\x80\x81") << calcBytesToText("\x8C\xEA") << QStringList{"X"} << 1;
}

void TestFileCommands::open()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, folder);
    QFETCH(QString, variable);
    QFETCH(QStringList, cells);
    QFETCH(int, tool);
    if (!bytes.isEmpty())
        writeBytes(path(fileName), bytes);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.Text1->setText("my comment");
    window.CurrentTool = static_cast<int16_t>(tool);
    window.CMDialog1.filterIndex = 3;
    window.CMDialog1.defaultExt = "BMP";
    dialogs.fileAnswers.push_back({path(fileName), 1});

    window.miOpen_Click();

    QCOMPARE(dialogs.messages.size(), 0);
    const FileDialogRequest& request = dialogs.fileRequests.at(0);
    QCOMPARE(request.mode, FileDialogRequest::Mode::Open);
    QCOMPARE(request.title, "Pixoram Open");
    QCOMPARE(request.filter, "Readable Images (92i, 9xi, v2i)|*.92i;*.9xi;*.v2i|TI-89 (89i)|*.89i");
    QCOMPARE(request.filterIndex, 1);
    QCOMPARE(request.fileName, "");
    QCOMPARE(request.defaultExt, "BMP");
    QCOMPARE(request.confirmOverwrite, false);

    const PictureGrid expected = gridFromRows(cells);
    QVERIFY(window.grid == expected);
    QCOMPARE(window.Picture1->image(), paintedCanvas(expected));
    QCOMPARE(window.Text3->text(), folder);
    QCOMPARE(window.Text2->text(), variable);
    QCOMPARE(window.Text1->text(), "my comment");
    QCOMPARE(window.statusPanel1->text(), fileName);
    QCOMPARE(window.CurrentFileName, path(fileName));
    QCOMPARE(window.windowTitle(), "Pixoram - 2.7");
    const WindowState state = windowState(window);
    QVERIFY(state.open && state.save && state.saveAs && state.print);
    QVERIFY(!state.openCover && !state.saveCover && !state.printCover);
    QCOMPARE(window.CurrentTool, 0);
    QCOMPARE(window.SavedTool, tool == 0 ? 1 : tool);
    QVERIFY(window.mitool[window.SavedTool]->isChecked());
    QCOMPARE(checkedTools(window), 1);
}

void TestFileCommands::openFailureChangesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");  // null: no such file
    QTest::addColumn<QString>("message");
    const QByteArray good = smallPictureFile();
    QByteArray badChecksum = good;
    badChecksum[92] = '\x7F';
    QTest::newRow("bitmap") << "moon.bmp" << QByteArray("BM") << "Not a valid filename!";
    QTest::newRow("missing") << "gone.9xi" << QByteArray() << "does not exist";
    QTest::newRow("truncated") << "cut.9xi" << good.left(80) << "not a calculator variable file";
    QTest::newRow("corrupt") << "bad.9xi" << badChecksum << "checksum";
    QTest::newRow("a string") << "str.92i"
                              << singleVariableFile("**TI92**", "main", "s", 0x0C, QByteArray("\x00\x04\x00\x61\x00\x2D", 6))
                              << "another type";
    QTest::newRow("a group") << "group.92i" << realTestFile("tilibs__ti92_group2.92g") << "12 variables";
}

void TestFileCommands::openFailureChangesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    if (!bytes.isNull())
        writeBytes(path(fileName), bytes);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    dialogs.fileAnswers.push_back({path("small.9XI"), 1});
    window.miOpen_Click();
    window.Text1->setText("my comment");
    const WindowState before = windowState(window);

    dialogs.fileAnswers.push_back({path(fileName), 1});
    window.miOpen_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    const MessageRequest& shown = dialogs.messages.at(0);
    QCOMPARE(shown.icon, MessageRequest::Icon::Exclamation);
    if (message.endsWith('!')) {
        QCOMPARE(shown.text, message);
    } else {
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(path(fileName))), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    }
    QVERIFY(windowState(window) == before);

    dialogs.fileAnswers.push_back({QString(), 1});  // cancel
    window.miOpen_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(windowState(window) == before);
}

void TestFileCommands::drop_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("message");  // empty: the first file loads
    const QString wrongKind = "Oops! The filename must have a '92i' extension.";
    QTest::newRow("9xi") << QStringList{"small.9XI"} << wrongKind;
    QTest::newRow("v2i") << QStringList{"moon.v2i"} << wrongKind;
    QTest::newRow("92I") << QStringList{"MOON.92I"} << "";
    QTest::newRow("two files: the first") << QStringList{"MOON.92I", "small.9XI"} << "";
    QTest::newRow("two files: the first only") << QStringList{"small.9XI", "MOON.92I"} << wrongKind;
    QTest::newRow("no file") << QStringList{} << wrongKind;
    QTest::newRow("missing") << QStringList{"gone.92i"} << "does not exist";
    QTest::newRow("short") << QStringList{"short.92i"} << "too short";
}

void TestFileCommands::drop()
{
    QFETCH(QStringList, dropped);
    QFETCH(QString, message);
    writeBytes(path("MOON.92I"), fullScreenFile());
    writeBytes(path("short.92i"), readBytes(path("MOON.92I")).left(3181));
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, kSmallPicture);
    const WindowState before = windowState(window);
    QStringList paths;
    for (const QString& name : dropped)
        paths << path(name);

    window.Picture1_OLEDragDrop(paths);

    if (message.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), 0);
        QVERIFY(window.grid == gridFromRows(fullScreenPicture()));
        QCOMPARE(window.statusPanel1->text(), path("MOON.92I"));
        QCOMPARE(window.Text1->text(), "made by hand");
        QCOMPARE(window.Text2->text(), "moon");
        return;
    }
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.contains(message), qPrintable(dialogs.messages[0].text));
    QCOMPARE(dialogs.messages[0].icon, MessageRequest::Icon::Exclamation);
    if (message == QLatin1String("Oops! The filename must have a '92i' extension."))
        QCOMPARE(dialogs.messages[0].title, "Drag/Drop Error");
    QVERIFY(windowState(window) == before);
}

void TestFileCommands::dropThroughTheCanvas()
{
    writeBytes(path("MOON.92I"), fullScreenFile());
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    QMimeData data;
    data.setData("text/uri-list", (QUrl::fromLocalFile(path("MOON.92I")).toEncoded() + "\r\n"
                                   + QUrl::fromLocalFile(path("small.9XI")).toEncoded() + "\r\n"));
    // A drop reaches a widget only after it has accepted the drag entering it.
    QDragEnterEvent enter(QPoint(100, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Picture1, &enter);
    QDropEvent drop(QPointF(100, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Picture1, &drop);
    QCOMPARE(dialogs.messages.size(), 0);
    QCOMPARE(window.CurrentFileName, path("MOON.92I"));
    QCOMPARE(window.Text2->text(), "moon");
}

void TestFileCommands::nonRegularFilesAreRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");  // also a word of the reason
    for (const char* command : {"command line", "Open", "drop", "Import"}) {
        for (const char* kind : {"folder", "FIFO", "socket", "device"})
            QTest::addRow("%s, %s", command, kind) << command << kind;
    }
}

// Every way in refuses them before opening anything: a FIFO would wait for a
// writer for ever, and /dev/zero never ends.
void TestFileCommands::nonRegularFilesAreRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);
    const QString special = path("special.92i");
    const QByteArray name = QFile::encodeName(special);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, name, sizeof(address.sun_path));
    const int fd = kind == "socket" ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    QVERIFY(kind != "folder" || QDir().mkdir(special));
    QVERIFY(kind != "FIFO" || ::mkfifo(name, 0644) == 0);
    QVERIFY(kind != "socket" || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    QVERIFY(kind != "device" || QFile::link("/dev/zero", special));  // the link is followed
    ScriptedDialogs dialogs;
    const WindowState fresh = windowState(frmPixoram(dialogs, QString()));
    frmPixoram window(dialogs, command == "command line" ? special : QString());
    dialogs.fileAnswers.push_back({special, 1});
    if (command == "Open")
        window.miOpen_Click();
    else if (command == "drop")
        window.Picture1_OLEDragDrop({special});
    else if (command == "Import")
        window.miImport_Click();
    ::close(fd);

    QCOMPARE(dialogs.messages.size(), command == "Import" ? 0 : 1);  // Import fails silently
    for (const MessageRequest& shown : dialogs.messages)
        QVERIFY2(shown.text.startsWith("Cannot open the picture file \"" + special) && shown.text.contains(kind, Qt::CaseInsensitive),
                 qPrintable(shown.text));
    QVERIFY(windowState(window) == fresh && window.Picture2->isHidden());
}

void TestFileCommands::saveAs_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("defaultExt");  // left by an import earlier in the run
    QTest::addColumn<QString>("written");     // empty: nothing
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QString>("status");      // empty: unchanged
    QTest::newRow("no extension, 9xi") << "main.picture" << 2 << "" << "main.picture" << QByteArray("**TI92P*")
                                       << "main.picture.9xi";
    QTest::newRow("v2i name, 92i filter") << "x.v2i" << 3 << "" << "x.v2i" << QByteArray("**TI92**") << "main.picture.92i";
    QTest::newRow("9xi name, v2i filter") << "x.9xi" << 1 << "" << "x.9xi" << QByteArray("**TI92P*") << "main.picture.v2i";
    QTest::newRow("bitmap filter adds .bmp") << "x" << 4 << "" << "x.bmp" << QByteArray("BM") << "";
    QTest::newRow("bitmap filter, bmp typed") << "x.bmp" << 4 << "" << "x.bmp" << QByteArray("BM") << "";
    QTest::newRow("BMP typed, 9xi filter") << "x.BMP" << 2 << "" << "x.BMP" << QByteArray("BM") << "";
    QTest::newRow("after an import") << "x.BMP" << 1 << "BMP" << "x.BMP" << QByteArray("BM") << "";
    QTest::newRow("no filter") << "x.9xi" << 0 << "" << "" << QByteArray() << "";
    QTest::newRow("cancel") << "" << 2 << "" << "" << QByteArray() << "";
}

void TestFileCommands::saveAs()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, defaultExt);
    QFETCH(QString, written);
    QFETCH(QByteArray, signature);
    QFETCH(QString, status);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, kSmallPicture);
    window.Text3->clear();
    window.Text2->clear();
    setFileName(window.document, path("old.9xi"));
    window.CMDialog1.filterIndex = 3;
    window.CMDialog1.defaultExt = defaultExt;
    const WindowState before = windowState(window);
    dialogs.fileAnswers.push_back({typed.isEmpty() ? QString() : path(typed), filter});

    window.miSaveAs_Click();

    const FileDialogRequest& request = dialogs.fileRequests.at(0);
    QCOMPARE(request.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(request.title, "Pixoram Save As...");
    QCOMPARE(request.filter,
             "Voyage 200 (v2i)|*.v2i|TI-92P (9xi)|*.9xi|TI-92 (92i)|*.92i|Bitmap (bmp)|*.bmp|TI-89 (89i)|*.89i");
    QCOMPARE(request.fileName, "main.picture");
    QCOMPARE(request.filterIndex, 3);
    QCOMPARE(request.defaultExt, defaultExt);
    QVERIFY(request.confirmOverwrite);
    QCOMPARE(QDir(dir_->path()).entryList({"x*", "main*"}, QDir::Files), written.isEmpty() ? QStringList{} : QStringList{written});
    WindowState after = windowState(window);
    if (typed.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), 0);
        QCOMPARE(window.CMDialog1.filterIndex, 3);
        after.folder.clear();
        after.variable.clear();
        QVERIFY(after == before);
        return;
    }
    QCOMPARE(window.CMDialog1.filterIndex, filter);
    if (written.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, "Not saved!");
        QCOMPARE(dialogs.messages[0].title, "Save ERROR!");
        QCOMPARE(dialogs.messages[0].icon, MessageRequest::Icon::Exclamation);
        return;
    }
    QCOMPARE(dialogs.messages.size(), 0);
    QCOMPARE(window.CurrentFileName, path(written));
    const QByteArray bytes = readBytes(path(written));
    QVERIFY(bytes.startsWith(signature));
    if (signature == "BM") {
        QCOMPARE(QImage(path(written), "BMP").convertToFormat(QImage::Format_RGB32), paintedCanvas(window.grid));
        QCOMPARE(after.status, before.status);
        QCOMPARE(after.open, false);
        QCOMPARE(after.save, before.save);
        return;
    }
    const PictureFileContents contents = ReadPictureFile(bytes);
    QVERIFY(contents.grid == gridFromRows(kSmallPicture));
    QCOMPARE(contents.folder + '.' + contents.variable, "main.picture");
    QCOMPARE(after.status, status);
    QVERIFY(after.open && after.save && !after.openCover);
}

void TestFileCommands::saveAsFailureKeepsPictureUnsaved_data()
{
    QTest::addColumn<int>("filter");
    QTest::newRow("calculator file") << 2;
    QTest::newRow("bitmap") << 4;
}

void TestFileCommands::saveAsFailureKeepsPictureUnsaved()
{
    QFETCH(int, filter);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, kSmallPicture);
    setFileName(window.document, path("small.9XI"));
    const WindowState before = windowState(window);
    const QString locked = path("locked");
    QDir().mkdir(locked);
    UnwritableFolder unwritable(locked);
    if (!unwritable.active())
        QSKIP("no way to make a folder unwritable here");
    dialogs.fileAnswers.push_back({locked + "/moon", filter});

    window.miSaveAs_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, "Save ERROR!");
    QVERIFY2(dialogs.messages[0].text.contains(QDir::toNativeSeparators(locked)), qPrintable(dialogs.messages[0].text));
    QVERIFY(windowState(window) == before);
}

void TestFileCommands::save_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("v2i") << "x.v2i" << QByteArray("**TI92P*");
    QTest::newRow("92I") << "x.92I" << QByteArray("**TI92**");
    QTest::newRow("9xi over an old file") << "small.9XI" << QByteArray("**TI92P*");
}

void TestFileCommands::save()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, signature);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, {"XX", "XX"});
    window.Text2->setText(calcBytesToText("\x8C"));
    setFileName(window.document, path(fileName));
    window.statusPanel1->setText("status");

    window.miSave_Click();

    QCOMPARE(dialogs.messages.size(), 0);
    const QByteArray bytes = readBytes(path(fileName));
    QVERIFY(bytes.startsWith(signature));
    const PictureFileContents contents = ReadPictureFile(bytes);
    QVERIFY(contents.grid == gridFromRows({"XX", "XX"}));
    QCOMPARE(contents.variable, calcBytesToText("\x8C"));
    QVERIFY(window.miOpen->isEnabled() && window.Image11->isHidden());
    QCOMPARE(window.statusPanel1->text(), "status");
}

void TestFileCommands::saveFailure_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");  // in the details; empty: no details
    QTest::addColumn<bool>("markedSaved");
    QTest::newRow("unwritable folder") << "locked/old.9xi" << "picture" << true << "NOT saved!"
                                       << "cannot be written" << true;
    QTest::newRow("no calculator code") << "old.9xi" << QString::fromUtf8("月") << false << "NOT saved!"
                                        << "calculator name cannot be used" << true;
    QTest::newRow("bitmap") << "old.bmp" << "picture" << false << "is not a calculator picture file" << "" << false;
    QTest::newRow("no file yet") << "" << "picture" << false << "has no file yet" << "" << false;
}

void TestFileCommands::saveFailure()
{
    QFETCH(QString, fileName);
    QFETCH(QString, variable);
    QFETCH(bool, locked);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    QFETCH(bool, markedSaved);
    QDir().mkdir(path("locked"));
    const QString target = fileName.isEmpty() ? QString() : path(fileName);
    const QByteArray old = readBytes(path("small.9XI"));
    if (!target.isEmpty())
        writeBytes(target, old);
    std::optional<UnwritableFolder> unwritable;
    if (locked && !unwritable.emplace(path("locked")).active())
        QSKIP("no way to make a folder unwritable here");
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, {"X.X"});
    window.Text2->setText(variable);
    setFileName(window.document, target);

    window.miSave_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    const MessageRequest& shown = dialogs.messages[0];
    QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    QCOMPARE(shown.title, "Save Error!");
    QCOMPARE(shown.icon, markedSaved ? MessageRequest::Icon::None : MessageRequest::Icon::Exclamation);
    if (markedSaved)
        QCOMPARE(shown.text, "NOT saved!");  // the details say where and why
    QVERIFY2(reason.isEmpty() == shown.detailedText.isEmpty(), qPrintable(shown.detailedText));
    QVERIFY2(shown.detailedText.contains(reason), qPrintable(shown.detailedText));
    if (!reason.isEmpty())
        QVERIFY2(shown.detailedText.contains(QDir::toNativeSeparators(target)), qPrintable(shown.detailedText));
    QCOMPARE(window.miOpen->isEnabled(), markedSaved);
    if (!target.isEmpty())
        QCOMPARE(readBytes(target), old);
}

void TestFileCommands::ti89Files_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("TI-89 signature, folder entry") << "cst__splash.89i";
    QTest::newRow("TI-92 Plus signature, archived") << "ti89archives__imgapl.89i";
}

// A real TI-89 picture opens top-left and picks the TI-89; a cell drawn outside its 159 x 77
// is asked about before Save As; the saved file opens as the same 159 x 77 cells.
void TestFileCommands::ti89Files()
{
    QFETCH(QString, fileName);
    writeBytes(path(fileName), realTestFile(fileName));
    CalcModel reader(CalcKind::TI89);
    CalcVariable original;
    original.SetFileName(path(fileName));
    QVERIFY(reader.ReadFile(original).ok());
    PictureGrid expected;
    for (int x = 0; x < 159; ++x) {
        for (int y = 0; y < 77; ++y)
            expected.setCell(x, y, original.GetPicture().pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0);
    }
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    dialogs.fileAnswers.push_back({path(fileName), 2});
    window.miOpen_Click();
    QCOMPARE(dialogs.messages.size(), 0);
    QVERIFY(window.grid == expected);
    QVERIFY(window.miTI89->isChecked() && !window.miTI92Plus->isChecked());

    window.markEdited();
    window.document.plotCells({QPoint(159, 0), QPoint(0, 77)}, 1);
    dialogs.fileAnswers.push_back({path("x.89i"), 5});
    dialogs.messageAnswers.push_back(MessageAnswer::No);
    window.miSaveAs_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.startsWith("2 black cells lie outside the TI-89 picture (159 x 77)"),
             qPrintable(dialogs.messages[0].text));
    QCOMPARE(dialogs.messages[0].buttons, MessageRequest::Buttons::YesNo);
    QVERIFY(!QFileInfo::exists(path("x.89i")));
    QVERIFY(!window.miOpen->isEnabled());

    dialogs.fileAnswers.push_back({path("x.89i"), 5});
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    window.miSaveAs_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY(readBytes(path("x.89i")).startsWith("**TI89**"));
    QCOMPARE(window.statusPanel1->text(), window.Text3->text() + '.' + window.Text2->text() + ".89i");
    QVERIFY(window.miOpen->isEnabled());

    // Save writes the kind its path names, asking again about the cells beyond.
    window.document.plotCells({QPoint(5, 5)}, 1);
    expected.setCell(5, 5, 1);
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    window.miSave_Click();
    QCOMPARE(dialogs.messages.size(), 3);
    QVERIFY(readBytes(path("x.89i")).startsWith("**TI89**"));

    frmPixoram reopened(dialogs, QString());
    reopened.chooseCalculator(CalcKind::TI89);
    dialogs.fileAnswers.push_back({path("small.9XI"), 1});
    reopened.miOpen_Click();
    QVERIFY(reopened.miTI92Plus->isChecked() && !reopened.miTI89->isChecked());
    dialogs.fileAnswers.push_back({path("x.89i"), 2});
    reopened.miOpen_Click();
    QCOMPARE(dialogs.messages.size(), 3);
    QVERIFY(reopened.grid == expected);
    QCOMPARE(reopened.Text2->text(), window.Text2->text());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
