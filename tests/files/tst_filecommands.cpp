// Open, drop, the command line, Save As and Save as the user meets them in the main window,
// and the calculator's name rules Save As runs.
#include "FileTestSupport.h"

#include "app/frmPixoram.h"
#include "files/NameRules.h"
#include "files/PictureFileReader.h"
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

// Brings the files in by the Open dialog, Import, or a drop onto the canvas.
void bringFiles(frmPixoram& window, ScriptedDialogs& dialogs, const QString& way, const QStringList& paths)
{
    if (way != QLatin1String("drop")) {
        dialogs.fileAnswers.push_back({paths.value(0), 1});
        if (way == QLatin1String("Open"))
            window.miOpen_Click();
        else
            window.miImport_Click();
        return;
    }
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    // A drop reaches a widget only after it has accepted the drag entering it.
    QDragEnterEvent enter(QPoint(100, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Picture1, &enter);
    QDropEvent drop(QPointF(100, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Picture1, &drop);
}

// What a few strokes of the pen leave: these cells, edited, on the canvas.
void drawPicture(frmPixoram& window, const PictureGrid& cells)
{
    window.markEdited();
    drawCells(window.document, cells);
    window.Picture1_Paint();
}

// A file dialog request in one line.
QString described(const FileDialogRequest& request)
{
    return QStringList{request.mode == FileDialogRequest::Mode::Open ? "Open" : "Save", request.title, request.filter,
                       QString::number(request.filterIndex), request.fileName, request.defaultExt,
                       request.confirmOverwrite ? "confirm" : "no confirm"}
        .join(" / ");
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void bringIn_data() { addRowsFrom(QStringLiteral("bringin")); }
    void bringIn();
    void nameRules_data() { addRowsFrom(QStringLiteral("names")); }
    void nameRules();
    void saveAs_data() { addRowsFrom(QStringLiteral("saveas")); }
    void saveAs();
    void save_data() { addRowsFrom(QStringLiteral("save")); }
    void save();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestFileCommands::bringIn()
{
    const QString way = field("way");
    const QString message = field("message");
    const QString tool = field("tool");
    const QString special = path("special.92i");
    QStringList paths;  // of files under tests/data, or the special file
    for (const QString& file : field("files").split(QLatin1Char(','), Qt::SkipEmptyParts))
        paths << (file.startsWith(QLatin1String("special:")) ? special : testDataPath(file));
    // The rows naming a kind get special.92i as a folder, a FIFO, a socket or a link to /dev/zero.
    const QString kind = field("files").section(QLatin1Char(':'), 1);
    const QByteArray name = QFile::encodeName(special);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, name, sizeof(address.sun_path));
    const int fd = kind == "socket" ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    QVERIFY(kind != "folder" || QDir().mkdir(special));
    QVERIFY(kind != "FIFO" || ::mkfifo(name, 0644) == 0);
    QVERIFY(kind != "socket" || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    QVERIFY(kind != "device" || QFile::link("/dev/zero", special));  // the link is followed
    const bool atStart = way == QLatin1String("command line");
    ScriptedDialogs dialogs;
    WindowState before = windowState(frmPixoram(dialogs, QString()));
    frmPixoram window(dialogs, atStart ? paths.value(0) : QString());
    window.CMDialog1.defaultExt = "BMP";
    if (!atStart) {
        bringFiles(window, dialogs, "Open", {testDataPath("files/big.V2I")});
        window.Text1->setText("my comment");
        window.CurrentTool = tool.toShort();
        window.CMDialog1.filterIndex = 3;
        before = windowState(window);
        bringFiles(window, dialogs, way, paths);
    }
    ::close(fd);

    if (way == QLatin1String("Open"))
        QCOMPARE(described(dialogs.fileRequests.last()),
                 "Open / Pixoram Open / Readable Images (92i, 9xi, v2i)|*.92i;*.9xi;*.v2i|TI-89 (89i)|*.89i / 1 /  / "
                 "BMP / no confirm");
    if (!message.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), way == QLatin1String("Import") ? 0 : 1);  // Import fails silently
        const QString cannotOpen = "Cannot open the picture file \"" + QDir::toNativeSeparators(paths.value(0)) + '"';
        for (const MessageRequest& shown : dialogs.messages) {
            const bool why = shown.text.startsWith(cannotOpen) && shown.text.contains(message, Qt::CaseInsensitive);
            QVERIFY2(shown.text == message || why, qPrintable(shown.text));
            QCOMPARE(shown.icon, MessageRequest::Icon::Exclamation);
            QCOMPARE(shown.title, shown.text.startsWith("Oops!") ? "Drag/Drop Error" : "");
        }
        QVERIFY(windowState(window) == before && window.Picture2->isHidden());
        bringFiles(window, dialogs, "Open", {});  // cancelled
        QVERIFY(windowState(window) == before);
        return;
    }
    QCOMPARE(dialogs.messages.size(), 0);
    frmPixoram drawn(dialogs, QString());
    drawn.chooseCalculator(window.miTI89->isChecked() ? CalcKind::TI89 : CalcKind::TI92Plus);
    drawPicture(drawn, gridFromText("files/" + field("cells") + ".cells"));
    QVERIFY(window.grid == drawn.grid);
    QCOMPARE(window.Picture1->image(), drawn.Picture1->image());
    QCOMPARE(QStringList({window.Text3->text(), window.Text2->text(), window.Text1->text()}),
             QStringList({field("folder"), field("variable"), field("comment")}));
    QCOMPARE(window.statusPanel1->text(), way == QLatin1String("Open") ? QFileInfo(paths[0]).fileName() : paths[0]);
    QCOMPARE(window.CurrentFileName, paths[0]);
    QCOMPARE(window.windowTitle(), atStart ? "Pixoram 2.6" : "Pixoram - 2.7");
    QVERIFY(window.miOpen->isEnabled() && window.miSave->isEnabled() && window.miSaveAs->isEnabled());
    QVERIFY(window.miPrint->isEnabled());
    QCOMPARE(window.CurrentTool, 0);
    QCOMPARE(window.SavedTool, tool == QLatin1String("0") ? 1 : tool.toInt());
    QVERIFY(window.mitool[window.SavedTool]->isChecked());
    QCOMPARE(window.miTI89->isChecked(), paths[0].endsWith(QLatin1String("89i")));
}

void TestFileCommands::nameRules()
{
    const NameField checked = field("field") == QLatin1String("Folder") ? NameField::Folder : NameField::Variable;
    QCOMPARE(nameProblem(field("text"), checked).value_or(QString()), field("message"));
}

void TestFileCommands::saveAs()
{
    const QString typed = field("typed");
    const QString written = field("written");
    const QString signature = field("signature");
    const QString message = field("message");
    QDir().mkdir(path("locked"));
    UnwritableFolder locked(path("locked"));
    if (typed.startsWith("locked") && !locked.active())
        QSKIP("no way to make a folder unwritable here");
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    drawPicture(window, gridFromText("files/moon.cells"));
    window.Text1->setFocus();
    window.Text3->setText(field("folder"));
    window.Text2->setText(field("variable"));
    setFileName(window.document, path("old.9xi"));
    window.CMDialog1.filterIndex = 3;
    window.CMDialog1.defaultExt = field("defaultExt");
    const WindowState before = windowState(window);
    dialogs.fileAnswers.push_back({typed.isEmpty() ? QString() : path(typed), field("filter").toInt()});

    window.miSaveAs_Click();

    QStringList titles;
    for (const MessageRequest& shown : dialogs.messages) {
        QCOMPARE(shown.icon, MessageRequest::Icon::Exclamation);
        titles << shown.title;
    }
    if (dialogs.fileRequests.isEmpty()) {
        // A name broke the rules: no dialog, and the folder's box, checked last, takes the focus.
        QCOMPARE(titles.join(", "), message);
        QCOMPARE(QApplication::focusWidget(), message.contains("Folder") ? window.Text3 : window.Text2);
        QCOMPARE(QStringList({window.Text3->text(), window.Text2->text()}),
                 QStringList({field("folder"), field("variable")}));
        return;
    }
    QCOMPARE(described(dialogs.fileRequests.at(0)),
             "Save / Pixoram Save As... / Voyage 200 (v2i)|*.v2i|TI-92P (9xi)|*.9xi|TI-92 (92i)|*.92i|Bitmap (bmp)|"
             "*.bmp|TI-89 (89i)|*.89i / 3 / main.picture / " + field("defaultExt") + " / confirm");
    QCOMPARE(QDir(dir_->path()).entryList({"x*", "main*"}, QDir::Files).join(""), written);
    QCOMPARE(window.CMDialog1.filterIndex, typed.isEmpty() ? 3 : field("filter").toInt());
    WindowState after = windowState(window);
    QCOMPARE(QStringList({after.folder, after.variable}), QStringList({"main", "picture"}));
    QCOMPARE(titles, message.isEmpty() ? QStringList() : QStringList{"Save ERROR!"});
    for (const MessageRequest& shown : dialogs.messages)
        QVERIFY2(shown.text.startsWith("Not saved!") && shown.text.contains(message), qPrintable(shown.text));
    after.folder.clear();
    after.variable.clear();
    QVERIFY(!written.isEmpty() || message == "Not saved!" || after == before);
    if (written.isEmpty())
        return;
    QCOMPARE(window.CurrentFileName, path(written));
    const QByteArray bytes = readBytes(path(written));
    QVERIFY(bytes.startsWith(signature.toLatin1()));
    QCOMPARE(after.status, field("status").isEmpty() ? before.status : field("status"));
    if (signature == "BM") {
        QCOMPARE(QImage(path(written), "BMP").convertToFormat(QImage::Format_RGB32), window.Picture1->image());
        QVERIFY(!after.open && after.save == before.save);
        return;
    }
    QVERIFY(after.open && after.save);
    QCOMPARE(bytes.mid(10, 4) + '.' + bytes.mid(64, 7), "main.picture");
    // The built-in reader knows only the 240 x 103 layout.
    QVERIFY(signature == "**TI89**" || ReadPictureFile(bytes).grid == window.grid);
}

void TestFileCommands::save()
{
    const QString message = field("message");
    const QString reason = field("reason");
    const QString target = field("file").isEmpty() ? QString() : path(field("file"));
    const QByteArray old = testData("files/moon.9xi");
    QDir().mkdir(path("locked"));
    writeBytes(target, old);
    UnwritableFolder locked(path("locked"));
    if (field("file").startsWith("locked") && !locked.active())
        QSKIP("no way to make a folder unwritable here");
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    drawPicture(window, gridFromText("files/moon.cells"));
    window.Text2->setText(field("variable"));
    setFileName(window.document, target);
    window.statusPanel1->setText("status");

    window.miSave_Click();

    QCOMPARE(window.statusPanel1->text(), "status");
    QCOMPARE(dialogs.messages.size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty()) {
        const QByteArray bytes = readBytes(target);
        QVERIFY(bytes.startsWith(field("signature").toLatin1()));
        QVERIFY(ReadPictureFile(bytes).grid == window.grid);
        QCOMPARE(ReadPictureFile(bytes).variable, field("variable"));
        QVERIFY(window.miOpen->isEnabled());
        return;
    }
    // A write that failed still marks the picture saved; its message's details say where and why.
    const MessageRequest& shown = dialogs.messages[0];
    const bool markedSaved = !reason.isEmpty();
    QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    QCOMPARE(shown.title, "Save Error!");
    QCOMPARE(shown.icon, markedSaved ? MessageRequest::Icon::None : MessageRequest::Icon::Exclamation);
    QVERIFY(!markedSaved || shown.text == "NOT saved!");
    QVERIFY2(reason.isEmpty() == shown.detailedText.isEmpty() && shown.detailedText.contains(reason),
             qPrintable(shown.detailedText));
    QVERIFY(!markedSaved || shown.detailedText.contains(QDir::toNativeSeparators(target)));
    QCOMPARE(window.miOpen->isEnabled(), markedSaved);
    if (!target.isEmpty())
        QCOMPARE(readBytes(target), old);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
