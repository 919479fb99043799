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

// A picture with black and white areas and no symmetry, so that every command changes it.
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

// Answers the "Import Image" dialog: the settings chosen as a user would, then OK.
std::function<void(QDialog&)> chooseAndAccept(ImportImageSettings wanted)
{
    return [wanted](QDialog& window) {
        auto& dialog = dynamic_cast<ImportImageDialog&>(window);
        const QList<QButtonGroup*> groups = dialog.findChildren<QButtonGroup*>();
        groups[0]->button(int(wanted.conversion.size))->click();
        groups[1]->button(int(wanted.conversion.method))->click();
        groups[2]->button(int(wanted.mode))->click();
        dialog.findChild<QSlider*>(QStringLiteral("level"))->setValue(wanted.conversion.level);
        dialog.findChild<QSlider*>(QStringLiteral("brightness"))->setValue(wanted.conversion.brightness);
        dialog.findChild<QSlider*>(QStringLiteral("contrast"))->setValue(wanted.conversion.contrast);
        QVERIFY(dialog.settings().conversion.level == wanted.conversion.level);
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

struct Seen {
    PictureGrid grid;
    QImage canvas;
    bool openOffered;
    bool operator==(const Seen&) const = default;
};

Seen seen(const frmPixoram& w)
{
    return {w.grid, w.Picture1->image(), w.miOpen->isEnabled()};
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

bool activate(frmPixoram& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

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
    void exportFailureNamesTheFileAndKeepsIt();
    void copyThenPasteGivesThePictureBack();
    void pasteFollowsTheClipboard();
    void textBoxesKeepTheirPasteKeys();
};

void TestImageCommands::everyChangeIsOneStepRedoneExactly_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<Command>("command");
    QTest::addColumn<CellRule>("expected");

    const auto arrow = [](int key, bool shift) {
        return Command([key, shift](frmPixoram& w) {
            w.Picture1->setFocus();
            QTest::keyClick(w.Picture1, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        });
    };
    const auto shifted = [](int dx, int dy) {
        return CellRule([dx, dy](const PictureGrid& before, int x, int y) -> int16_t {
            return PictureGrid::contains(x - dx, y - dy) ? before.cell(x - dx, y - dy) : 0;
        });
    };
    QTest::newRow("Invert") << "Invert" << Command(&frmPixoram::miInvert_Click)
                            << CellRule([](const PictureGrid& b, int x, int y) { return int16_t(1 - b.cell(x, y)); });
    QTest::newRow("Flip Horizontal") << "Flip Horizontal" << Command(&frmPixoram::miFlipHorizontal_Click)
                                     << CellRule([](const PictureGrid& b, int x, int y) { return b.cell(239 - x, y); });
    QTest::newRow("Flip Vertical") << "Flip Vertical" << Command(&frmPixoram::miFlipVertical_Click)
                                   << CellRule([](const PictureGrid& b, int x, int y) { return b.cell(x, 102 - y); });
    QTest::newRow("right") << "Shift" << arrow(Qt::Key_Right, false) << shifted(1, 0);
    QTest::newRow("left by 8") << "Shift" << arrow(Qt::Key_Left, true) << shifted(-8, 0);
    QTest::newRow("up") << "Shift" << arrow(Qt::Key_Up, false) << shifted(0, -1);
    QTest::newRow("down by 8") << "Shift" << arrow(Qt::Key_Down, true) << shifted(0, 8);

    // The dialog's result lands on the picture: replacing it, or adding its black cells.
    const QImage image = gradient(480, 206);
    for (ImportMode mode : {ImportMode::Replace, ImportMode::AddBlack}) {
        ImportImageSettings settings = replaceAt(100);
        settings.mode = mode;
        settings.conversion.method = BlackWhiteMethod::FloydSteinberg;
        const PictureGrid converted = convertImage(image, settings.conversion);
        const CellRule rule = [converted, mode](const PictureGrid& b, int x, int y) -> int16_t {
            return converted.isSet(x, y) || (mode == ImportMode::AddBlack && b.isSet(x, y)) ? 1 : 0;
        };
        const char* modeName = mode == ImportMode::Replace ? "replace" : "add black";
        QTest::newRow(qPrintable(QStringLiteral("Import Image, ") + modeName))
            << "Import Image" << Command([image, settings](frmPixoram& w) {
                   QTemporaryDir dir;
                   const QString path = writeFile(dir, QStringLiteral("gradient.png"), qtImageFile(image, "PNG"));
                   auto& dialogs = static_cast<ScriptedDialogs&>(w.dialogs);
                   dialogs.fileAnswers.push_back({path, 1});
                   dialogs.modalActions.push_back(chooseAndAccept(settings));
                   w.miImportImage_Click();
               })
            << rule;
        QTest::newRow(qPrintable(QStringLiteral("Paste Picture, ") + modeName))
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
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    w.markSaved();
    const Seen before = seen(w);
    QVERIFY(before.openOffered);

    command(w);
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            QCOMPARE(w.grid.cell(x, y), expected(before.grid, x, y));
    }
    QVERIFY(!w.miOpen->isEnabled());
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo ") + step);
    const Seen after = seen(w);

    w.miUndo_Click();
    QVERIFY(seen(w) == before);
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo Sample"));
    w.miRedo_Click();
    QVERIFY(seen(w) == after);
}

void TestImageCommands::cancelChangesNothingAndOkRemembersTheSettings()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    QGuiApplication::clipboard()->setImage(gradient(100, 80));
    dialogs.modalActions.push_back([](QDialog& dialog) { dialog.reject(); });
    w.miPastePicture_Click();
    QVERIFY(w.grid == sample());
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo Sample"));

    ImportImageSettings chosen = replaceAt(77);
    chosen.conversion.size = SizeMode::Stretch;
    chosen.conversion.method = BlackWhiteMethod::Ordered;
    chosen.conversion.brightness = -30;
    chosen.conversion.contrast = 45;
    dialogs.modalActions.push_back(chooseAndAccept(chosen));
    w.miPastePicture_Click();
    ImportImageSettings reopened;
    dialogs.modalActions.push_back([&reopened](QDialog& dialog) {
        reopened = dynamic_cast<ImportImageDialog&>(dialog).settings();
        dialog.reject();
    });
    w.miPastePicture_Click();
    QVERIFY(reopened.conversion == chosen.conversion);
    QVERIFY(reopened.mode == ImportMode::Replace);
}

void TestImageCommands::badFilesEndInAMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray png = qtImageFile(gradient(50, 40), "PNG");
    QTest::newRow("truncated PNG") << "cut.png" << png.left(png.size() / 2) << "damaged";
    QTest::newRow("huge PNG") << "huge.png" << withClaimedSize(png, 20000, 20000) << "larger than";
    QTest::newRow("text") << "notes.jpg" << QByteArray("just some words\n") << "neither";
    QTest::newRow("empty calculator file") << "empty.92i" << QByteArray() << "";
    QTest::newRow("missing") << "missing.png" << QByteArray() << "does not exist";
}

void TestImageCommands::badFilesEndInAMessage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = name == QLatin1String("missing.png") ? dir.filePath(name) : writeFile(dir, name, bytes);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    dialogs.fileAnswers.push_back({path, 1});
    w.miImportImage_Click();
    QVERIFY(dialogs.modalWindows.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.contains(path), qPrintable(dialogs.messages[0].text));
    QVERIFY2(dialogs.messages[0].text.contains(reason), qPrintable(dialogs.messages[0].text));
    QVERIFY(w.grid == sample());
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
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    dialogs.fileAnswers.push_back({path, filter});
    w.miExportPng_Click();
    QVERIFY(dialogs.messages.isEmpty());

    const QImage image(path);
    QCOMPARE(image.size(), QSize(240 * scale, 103 * scale));
    QCOMPARE(image.depth(), 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = sample().isSet(x / scale, y / scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            QCOMPARE(image.pixel(x, y), expected);
        }
    }
    if (QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty())
        QSKIP("ImageMagick's identify is not installed");
    int black = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y)
            black += sample().isSet(x, y) ? scale * scale : 0;
    }
    QProcess identify;
    identify.start(QStringLiteral("identify"),
                   {QStringLiteral("-format"), QStringLiteral("%w %h %[bit-depth] %[type] %[fx:round(w*h*(1-mean))]"), path});
    QVERIFY(identify.waitForFinished());
    QCOMPARE(QString::fromLatin1(identify.readAllStandardOutput()),
             QStringLiteral("%1 %2 1 Bilevel %3").arg(240 * scale).arg(103 * scale).arg(black));
}

void TestImageCommands::exportFailureNamesTheFileAndKeepsIt()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("taken.png"));
    QVERIFY(QDir().mkdir(folder));
    writeFile(dir, QStringLiteral("taken.png/inside"), "kept");
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    dialogs.fileAnswers.push_back({folder, 1});
    w.miExportPng_Click();
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(folder));
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(QFile::exists(folder + QStringLiteral("/inside")));
}

void TestImageCommands::copyThenPasteGivesThePictureBack()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    w.miCopyPicture_Click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(QImage::fromData(data->data(QStringLiteral("image/png"))), pictureBitmap(sample()));
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(240, 103));

    w.ClearPicture();
    dialogs.modalActions.push_back(chooseAndAccept(replaceAt(128)));
    w.miPastePicture_Click();
    QVERIFY(w.grid == sample());
}

void TestImageCommands::pasteFollowsTheClipboard()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.changePicture(QStringLiteral("Sample"), sample());
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    QVERIFY(!w.miPastePicture->isEnabled());
    w.miCopyPicture_Click();
    QVERIFY(w.miPastePicture->isEnabled());

    // An image beyond the limits is refused before it is decoded.
    auto* huge = new QMimeData;
    huge->setData(QStringLiteral("image/png"), withClaimedSize(qtImageFile(gradient(20, 20), "PNG"), 20000, 20000));
    QGuiApplication::clipboard()->setMimeData(huge);
    w.miPastePicture_Click();
    QVERIFY(dialogs.modalWindows.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(QStringLiteral("larger than")));
    QVERIFY(w.grid == sample());
}

void TestImageCommands::textBoxesKeepTheirPasteKeys()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QVERIFY(activate(w));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    w.Text1->clear();
    w.Text1->setFocus();
    QTest::keyClick(w.Text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.Text1, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(w.Text1->text(), QStringLiteral("abcabc"));
    QVERIFY(dialogs.modalWindows.isEmpty() && dialogs.messages.isEmpty());

    // Elsewhere the keys paste the picture.
    QGuiApplication::clipboard()->setImage(gradient(240, 103));
    dialogs.modalActions.push_back([](QDialog& dialog) { dialog.reject(); });
    w.Picture1->setFocus();
    QTest::keyClick(w.Picture1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialogs.modalWindows.size(), 1);
}

QTEST_MAIN(TestImageCommands)
#include "tst_imagecommands.moc"
