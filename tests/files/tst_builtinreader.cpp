// The built-in reader and the start-up load: fixed offsets, and files it must refuse.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "files/PictureFileReader.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A blank 3185-byte TI-92 picture file.
QByteArray blankFile()
{
    QByteArray bytes(3185, '\0');
    bytes.replace(0, 8, "**TI92**");
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QList<QPoint> setCells(const PictureGrid& grid)
{
    QList<QPoint> cells;
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            if (grid.isSet(x, y))
                cells << QPoint(x, y);
    return cells;
}

}  // namespace

class TestBuiltInReader : public QObject {
    Q_OBJECT
private slots:
    void bitmapBytesBecomeCells_data();
    void bitmapBytesBecomeCells();
    void textFieldsEndAtTheFirstZeroByte();
    void calculatorCharactersShowAsTheirLetters();
    void startUpLoadShowsThePicture();
    void anyExtensionIsReadAtStartUp();
    void badFilesAreRefusedWithAMessage_data();
    void badFilesAreRefusedWithAMessage();
    void onlyTheNeededBytesAreRead();
};

void TestBuiltInReader::bitmapBytesBecomeCells_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<QPoint>>("cells");
    QTest::newRow("0x80 first") << 92 << 0x80 << QList<QPoint>{{0, 0}};
    QTest::newRow("0x01 first") << 92 << 0x01 << QList<QPoint>{{7, 0}};
    QTest::newRow("second row") << 92 + 30 << 0x40 << QList<QPoint>{{1, 1}};
    QTest::newRow("last byte") << 3181 << 0xFF
                               << QList<QPoint>{{232, 102}, {233, 102}, {234, 102}, {235, 102},
                                                {236, 102}, {237, 102}, {238, 102}, {239, 102}};
    QTest::newRow("after the bitmap") << 3182 << 0xFF << QList<QPoint>{};
}

void TestBuiltInReader::bitmapBytesBecomeCells()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QList<QPoint>, cells);
    QByteArray bytes = blankFile();
    bytes[offset] = static_cast<char>(value);
    QCOMPARE(setCells(ReadPictureFile(bytes).grid), cells);
}

void TestBuiltInReader::textFieldsEndAtTheFirstZeroByte()
{
    QByteArray bytes = blankFile();
    bytes.replace(10, 8, QByteArray("main\0\0\0\0", 8));
    bytes.replace(18, 40, QByteArray(40, 'c'));
    bytes.replace(64, 8, QByteArray("pic\0junk", 8));
    const PictureFileContents contents = ReadPictureFile(bytes);
    QCOMPARE(contents.folder, QStringLiteral("main"));
    QCOMPARE(contents.comment, QString(40, QLatin1Char('c')));
    QCOMPARE(contents.variable, QStringLiteral("pic"));
}

void TestBuiltInReader::calculatorCharactersShowAsTheirLetters()
{
    QByteArray bytes = blankFile();
    bytes[64] = static_cast<char>(128);  // alpha
    bytes[65] = static_cast<char>(140);  // pi
    bytes[66] = static_cast<char>(234);  // e circumflex
    QCOMPARE(ReadPictureFile(bytes).variable, QString::fromUtf8("\u03b1\u03c0\u00ea"));
}

void TestBuiltInReader::startUpLoadShowsThePicture()
{
    QTemporaryDir dir;
    QByteArray bytes = blankFile();
    bytes.replace(10, 4, "fold");
    bytes.replace(18, 7, "comment");
    bytes.replace(64, 3, "img");
    bytes[92] = static_cast<char>(0x80);
    const QString path = writeFile(dir, QStringLiteral("moon.92i"), bytes);

    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, path);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Pixoram 2.6"));
    QCOMPARE(window.statusPanel1->text(), path);
    QCOMPARE(window.CurrentFileName, path);
    QCOMPARE(window.Text3->text(), QStringLiteral("fold"));
    QCOMPARE(window.Text1->text(), QStringLiteral("comment"));
    QCOMPARE(window.Text2->text(), QStringLiteral("img"));
    QCOMPARE(setCells(window.grid), QList<QPoint>{QPoint(0, 0)});
    // An opened picture: Save, Save As and Print offered, Open still offered, the tool parked.
    QVERIFY(window.miOpen->isEnabled() && window.miSave->isEnabled());
    QVERIFY(window.miSaveAs->isEnabled() && window.miPrint->isEnabled());
    QVERIFY(window.Image5->isHidden() && window.Image8->isHidden());
    QVERIFY(window.Image11->isHidden());
    QCOMPARE(window.CurrentTool, int16_t(0));
    QCOMPARE(window.SavedTool, int16_t(1));
    int checked = 0;
    for (int item = 1; item <= 12; ++item)
        checked += window.mitool[item]->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(window.mitool[1]->isChecked());
}

void TestBuiltInReader::anyExtensionIsReadAtStartUp()
{
    QTemporaryDir dir;
    QByteArray bytes = blankFile();
    bytes[92 + 30 * 5 + 2] = 0x10;
    for (const QString& name : {QStringLiteral("pic.9xi"), QStringLiteral("pic.v2i"), QStringLiteral("pic.txt")}) {
        ScriptedDialogs dialogs;
        frmPixoram window(dialogs, writeFile(dir, name, bytes));
        QCOMPARE(setCells(window.grid), QList<QPoint>{QPoint(19, 5)});
    }
}

void TestBuiltInReader::badFilesAreRefusedWithAMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");  // -1: no such file; -2: a folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QStringLiteral("gone.92i") << -1 << QStringLiteral("does not exist");
    QTest::newRow("folder") << QStringLiteral("dir.92i") << -2 << QStringLiteral("folder");
    QTest::newRow("empty") << QStringLiteral("empty.92i") << 0 << QStringLiteral("too short");
    QTest::newRow("one byte short") << QStringLiteral("short.92i") << 3181 << QStringLiteral("too short");
}

void TestBuiltInReader::badFilesAreRefusedWithAMessage()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = dir.filePath(name);
    if (size == -2)
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (size >= 0)
        path = writeFile(dir, name, QByteArray(size, '\xFF'));

    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, path);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(path));
    QVERIFY2(dialogs.messages[0].text.contains(reason), qPrintable(dialogs.messages[0].text));
    // The editor runs as after a start with no argument.
    QCOMPARE(window.windowTitle(), QStringLiteral("Pixoram - 2.7"));
    QCOMPARE(window.CurrentFileName, QString());
    QCOMPARE(window.statusPanel1->text(), QString());
    QCOMPARE(window.grid, PictureGrid());
    QVERIFY(!window.miSaveAs->isEnabled() && !window.miPrint->isEnabled() && window.miOpen->isEnabled());
}

void TestBuiltInReader::onlyTheNeededBytesAreRead()
{
    // A huge file is refused by nothing, but only its first bytes are read.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.92i"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(1) << 30));
    file.close();
    QByteArray bytes;
    QString reason;
    QVERIFY(readPictureFileBytes(path, bytes, reason));
    QCOMPARE(bytes.size(), kPictureFileMinimumSize);
}

QTEST_MAIN(TestBuiltInReader)
#include "tst_builtinreader.moc"
