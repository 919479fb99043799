// Import Image, Export PNG, the clipboard and the transforms on the real window: each change one
// step of the history, redone exactly; bad input ends in a message and leaves the picture.
#include "../import/ImageFiles.h"
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using CellRule = std::function<int16_t(const PictureGrid& before, int x, int y)>;
using Command = std::function<void(frmPixoram&)>;

// Black and white areas and no symmetry, so that every command changes the picture.
PictureGrid sample()
{
    PictureGrid grid;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            grid.setCell(x, y, ((x * 7 + y * 3) % 11 < 4 || (x < 60 && y < 30)) ? 1 : 0);
    }
    return grid;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int level = (x * 255 / (width - 1) + y) % 256;
            image.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return image;
}

// Answers the "Import Image" dialog as a user would: the settings chosen, then OK.
std::function<void(QDialog&)> chooseAndAccept(const ImportImageSettings& wanted)
{
    return [wanted](QDialog& dialog) {
        const QList<QButtonGroup*> groups = dialog.findChildren<QButtonGroup*>();  // size, method, mode
        groups[0]->button(int(wanted.conversion.size))->click();
        groups[1]->button(int(wanted.conversion.method))->click();
        groups[2]->button(int(wanted.mode))->click();
        dialog.findChild<QSlider*>(QStringLiteral("level"))->setValue(wanted.conversion.level);
        dialog.findChild<QSlider*>(QStringLiteral("brightness"))->setValue(wanted.conversion.brightness);
        dialog.findChild<QSlider*>(QStringLiteral("contrast"))->setValue(wanted.conversion.contrast);
        dialog.accept();
    };
}

ImportImageSettings replaceAt(int level)
{
    ImportImageSettings settings;
    settings.mode = ImportMode::Replace;
    settings.conversion.level = level;
    return settings;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
}

// A window showing the sample as its last step, marked saved.
struct Window {
    ScriptedDialogs dialogs;
    frmPixoram w{dialogs, QString()};
    Window()
    {
        w.changePicture(QStringLiteral("Sample"), sample());
        w.markSaved();
    }
};

}  // namespace

class TestImageCommands : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsOneStepRedoneExactly_data();
    void everyChangeIsOneStepRedoneExactly();
    void cancelChangesNothingAndOkRemembersTheSettings();
    void badFilesEndInAMessage_data();
    void badFilesEndInAMessage();
    void exportWritesTheCellsAsOneBitPng_data();
    void exportWritesTheCellsAsOneBitPng();
    void exportFailureNamesTheFile();
    void clipboardRoundTripAndLimits();
    void textBoxesKeepTheirPasteKeys();
};

void TestImageCommands::everyChangeIsOneStepRedoneExactly_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<Command>("command");
    QTest::addColumn<CellRule>("expected");
    const auto arrow = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return Command([key, modifiers](frmPixoram& w) { QTest::keyClick(w.Picture1, key, modifiers); });
    };
    const auto shifted = [](int dx, int dy) {
        return CellRule([dx, dy](const PictureGrid& b, int x, int y) -> int16_t {
            return PictureGrid::contains(x - dx, y - dy) ? b.cell(x - dx, y - dy) : 0;
        });
    };
    QTest::newRow("Invert") << "Invert" << Command(&frmPixoram::miInvert_Click)
                            << CellRule([](const PictureGrid& b, int x, int y) { return int16_t(1 - b.cell(x, y)); });
    QTest::newRow("Flip Horizontal") << "Flip Horizontal" << Command(&frmPixoram::miFlipHorizontal_Click)
                                     << CellRule([](const PictureGrid& b, int x, int y) { return b.cell(239 - x, y); });
    QTest::newRow("Flip Vertical") << "Flip Vertical" << Command(&frmPixoram::miFlipVertical_Click)
                                   << CellRule([](const PictureGrid& b, int x, int y) { return b.cell(x, 102 - y); });
    QTest::newRow("right") << "Shift" << arrow(Qt::Key_Right, Qt::NoModifier) << shifted(1, 0);
    QTest::newRow("left by 8") << "Shift" << arrow(Qt::Key_Left, Qt::ShiftModifier) << shifted(-8, 0);
    QTest::newRow("up") << "Shift" << arrow(Qt::Key_Up, Qt::NoModifier) << shifted(0, -1);
    QTest::newRow("down by 8") << "Shift" << arrow(Qt::Key_Down, Qt::ShiftModifier) << shifted(0, 8);

    // The dialog's result, the very conversion, replaces the picture or adds its black cells.
    const QImage image = gradient(480, 206);
    for (ImportMode mode : {ImportMode::Replace, ImportMode::AddBlack}) {
        ImportImageSettings settings = replaceAt(100);
        settings.mode = mode;
        settings.conversion.method = BlackWhiteMethod::FloydSteinberg;
        const PictureGrid converted = convertImage(image, settings.conversion);
        const CellRule rule = [converted, mode](const PictureGrid& b, int x, int y) -> int16_t {
            return converted.isSet(x, y) || (mode == ImportMode::AddBlack && b.isSet(x, y)) ? 1 : 0;
        };
        const QString modeName = mode == ImportMode::Replace ? QStringLiteral(", replace") : QStringLiteral(", add");
        QTest::newRow(qPrintable(QStringLiteral("Import Image") + modeName))
            << "Import Image" << Command([image, settings](frmPixoram& w) {
                   QTemporaryDir dir;
                   auto& dialogs = static_cast<ScriptedDialogs&>(w.dialogs);
                   dialogs.fileAnswers.push_back({writeFile(dir, QStringLiteral("a.png"), qtImageFile(image, "PNG")), 1});
                   dialogs.modalActions.push_back(chooseAndAccept(settings));
                   w.miImportImage_Click();
               })
            << rule;
        QTest::newRow(qPrintable(QStringLiteral("Paste Picture") + modeName))
            << "Paste Picture" << Command([image, settings](frmPixoram& w) {
                   QGuiApplication::clipboard()->setImage(image);
                   static_cast<ScriptedDialogs&>(w.dialogs).modalActions.push_back(chooseAndAccept(settings));
                   w.miPastePicture_Click();
               })
            << rule;
    }
}

void TestImageCommands::everyChangeIsOneStepRedoneExactly()
{
    QFETCH(QString, step);
    QFETCH(Command, command);
    QFETCH(CellRule, expected);
    Window window;
    frmPixoram& w = window.w;
    const QImage canvasBefore = w.Picture1->image();

    command(w);
    const PictureGrid before = sample();
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            QCOMPARE(w.grid.cell(x, y), expected(before, x, y));
    }
    QVERIFY(!w.miOpen->isEnabled());  // edited
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo ") + step);
    const PictureGrid after = w.grid;
    const QImage canvasAfter = w.Picture1->image();

    w.miUndo_Click();
    QVERIFY(w.grid == before && w.Picture1->image() == canvasBefore && w.miOpen->isEnabled());
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo Sample"));
    w.miRedo_Click();
    QVERIFY(w.grid == after && w.Picture1->image() == canvasAfter && !w.miOpen->isEnabled());
}

void TestImageCommands::cancelChangesNothingAndOkRemembersTheSettings()
{
    Window window;
    QGuiApplication::clipboard()->setImage(gradient(100, 80));
    window.dialogs.modalActions.push_back([](QDialog& dialog) { dialog.reject(); });
    window.w.miPastePicture_Click();
    QVERIFY(window.w.grid == sample());
    QCOMPARE(window.w.miUndo->text(), QStringLiteral("&Undo Sample"));

    ImportImageSettings chosen = replaceAt(77);
    chosen.conversion.size = SizeMode::Stretch;
    chosen.conversion.method = BlackWhiteMethod::Ordered;
    chosen.conversion.brightness = -30;
    chosen.conversion.contrast = 45;
    ImportImageSettings reopened;
    window.dialogs.modalActions.push_back(chooseAndAccept(chosen));
    window.dialogs.modalActions.push_back([&reopened](QDialog& dialog) {
        reopened = dynamic_cast<ImportImageDialog&>(dialog).settings();
        dialog.reject();
    });
    window.w.miPastePicture_Click();
    window.w.miPastePicture_Click();
    QVERIFY(reopened.conversion == chosen.conversion && reopened.mode == ImportMode::Replace);
}

void TestImageCommands::badFilesEndInAMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QString>("reason");
    const QByteArray png = qtImageFile(gradient(50, 40), "PNG");
    QTest::newRow("truncated PNG") << "cut.png" << png.left(png.size() / 2) << "damaged";
    QTest::newRow("huge PNG") << "huge.png" << withClaimedSize(png, 20000, 20000) << "larger than";
    QTest::newRow("text") << "notes.jpg" << QByteArray("just some words\n") << "neither";
    QTest::newRow("short calculator file") << "short.92i" << QByteArray("**TI92**") << "";
    QTest::newRow("missing") << "missing.png" << QByteArray() << "does not exist";
}

void TestImageCommands::badFilesEndInAMessage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = bytes.isEmpty() ? dir.filePath(name) : writeFile(dir, name, bytes);
    Window window;
    window.dialogs.fileAnswers.push_back({path, 1});
    window.w.miImportImage_Click();
    QVERIFY(window.dialogs.modalWindows.isEmpty());
    QCOMPARE(window.dialogs.messages.size(), 1);
    const QString text = window.dialogs.messages[0].text;
    QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
    QVERIFY(window.w.grid == sample());
}

void TestImageCommands::exportWritesTheCellsAsOneBitPng_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("scale");
    QTest::newRow("PNG") << 1 << 1;
    QTest::newRow("PNG, enlarged 4x") << 2 << 4;
}

void TestImageCommands::exportWritesTheCellsAsOneBitPng()
{
    QFETCH(int, filter);
    QFETCH(int, scale);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.png"));
    Window window;
    window.dialogs.fileAnswers.push_back({path, filter});
    window.w.miExportPng_Click();
    QVERIFY(window.dialogs.messages.isEmpty());

    const QImage image(path);
    QCOMPARE(image.size(), QSize(240 * scale, 103 * scale));
    QCOMPARE(image.depth(), 1);
    const PictureGrid cells = sample();
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool set = cells.isSet(x / scale, y / scale);
            QCOMPARE(image.pixel(x, y), set ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            black += set;
        }
    }
    if (QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty())
        QSKIP("ImageMagick's identify is not installed");
    QProcess identify;
    identify.start(QStringLiteral("identify"),
                   {QStringLiteral("-format"), QStringLiteral("%w %h %[bit-depth] %[type] %[fx:round(w*h*(1-mean))]"), path});
    QVERIFY(identify.waitForFinished());
    QCOMPARE(QString::fromLatin1(identify.readAllStandardOutput()),
             QStringLiteral("%1 %2 1 Bilevel %3").arg(image.width()).arg(image.height()).arg(black));
}

void TestImageCommands::exportFailureNamesTheFile()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("taken.png"));
    QVERIFY(QDir().mkdir(folder));
    Window window;
    window.dialogs.fileAnswers.push_back({folder, 1});
    window.w.miExportPng_Click();
    QCOMPARE(window.dialogs.messages.size(), 1);
    QVERIFY(window.dialogs.messages[0].text.contains(folder));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestImageCommands::clipboardRoundTripAndLimits()
{
    Window window;
    frmPixoram& w = window.w;
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    QVERIFY(!w.miPastePicture->isEnabled());
    w.miCopyPicture_Click();
    QVERIFY(w.miPastePicture->isEnabled());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(QImage::fromData(data->data(QStringLiteral("image/png"))), pictureBitmap(sample()));
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(240, 103));

    w.ClearPicture();
    window.dialogs.modalActions.push_back(chooseAndAccept(replaceAt(128)));
    w.miPastePicture_Click();
    QVERIFY(w.grid == sample());

    // An image beyond the limits is refused before it is decoded.
    auto* huge = new QMimeData;
    huge->setData(QStringLiteral("image/png"), withClaimedSize(qtImageFile(gradient(20, 20), "PNG"), 20000, 20000));
    QGuiApplication::clipboard()->setMimeData(huge);
    w.miPastePicture_Click();
    QCOMPARE(window.dialogs.modalWindows.size(), 1);
    QVERIFY(window.dialogs.messages.value(0).text.contains(QStringLiteral("larger than")));
    QVERIFY(w.grid == sample());
}

void TestImageCommands::textBoxesKeepTheirPasteKeys()
{
    Window window;
    frmPixoram& w = window.w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    w.Text1->clear();
    w.Text1->setFocus();
    QTest::keyClick(w.Text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.Text1, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(w.Text1->text(), QStringLiteral("abcabc"));
    QVERIFY(window.dialogs.modalWindows.isEmpty() && window.dialogs.messages.isEmpty());

    // Elsewhere the keys paste the picture.
    QGuiApplication::clipboard()->setImage(gradient(240, 103));
    window.dialogs.modalActions.push_back([](QDialog& dialog) { dialog.reject(); });
    w.Picture1->setFocus();
    QTest::keyClick(w.Picture1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window.dialogs.modalWindows.size(), 1);
}

QTEST_MAIN(TestImageCommands)
#include "tst_imagecommands.moc"
