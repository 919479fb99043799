// Start-up, the command state, ClrDraw and leaving the program.
#include "app/PictureControl.h"
#include "app/frmExit.h"
#include "app/frmPixoram.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"
#include "ui/Canvas.h"
#include "ui/WindowCentring.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

// The seven flags: Open, Save, Save As, Print enabled; Image11, Image5, Image8 shown.
QString commandState(const frmPixoram& w)
{
    QString state;
    for (const QAction* item : {w.miOpen, w.miSave, w.miSaveAs, w.miPrint})
        state += item->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    state += QLatin1Char(' ');
    for (const QWidget* cover : {static_cast<QWidget*>(w.Image11), static_cast<QWidget*>(w.Image5),
                                 static_cast<QWidget*>(w.Image8)})
        state += cover->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
    return state;
}

QStringList captions(const QMenu* menu)
{
    QStringList list;
    for (const QAction* item : menu->actions()) {
        QString caption = item->isSeparator() ? QStringLiteral("-") : item->text();
        if (!item->shortcut().isEmpty())
            caption += QStringLiteral(" [%1]").arg(item->shortcut().toString());
        list << caption;
    }
    return list;
}

bool showsOnlyBackground(const QImage& image)
{
    QImage empty(image.size(), image.format());
    empty.fill(Canvas::kBackground);
    return image == empty;
}

void drawSomething(frmPixoram& w)
{
    w.markEdited();
    w.CurrentTool = 1;
    w.PlotCell(5, 5);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpDefaults();
    void menusAreLaidOutWithTheirKeys();
    void commandStateRows_data();
    void commandStateRows();
    void centringTruncatesTowardZero_data();
    void centringTruncatesTowardZero();
    void mouseOnTheWindowEmptiesThePositionPanel();
    void clrDrawStartsAnEmptyPicture();
    void exitWithoutChangesEndsAtOnce();
    void exitWithChangesAsksFirst_data();
    void exitWithChangesAsksFirst();
    void closingWithChangesCanBeCancelled();
    void menuShortcutsWinOverTheTextBoxes();
};

void TestMainWindow::startUpDefaults()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QCOMPARE(w.windowTitle(), QStringLiteral("Pixoram - 2.7"));
    QCOMPARE(commandState(w), QStringLiteral("1000 011"));
    QCOMPARE(w.Text3->text(), QStringLiteral("main"));
    QCOMPARE(w.Text2->text(), QStringLiteral("picture"));
    QCOMPARE(w.Text1->text(), QStringLiteral("made with PIXORAM"));
    QCOMPARE(w.Text1->maxLength(), 40);
    QCOMPARE(w.Text2->maxLength(), 8);
    QCOMPARE(w.Text3->maxLength(), 8);
    QCOMPARE(w.cableCode, 5);
    QCOMPARE(w.portName, QStringLiteral("\\\\.\\Silver0"));
    for (int index = 1; index <= 4; ++index)
        QVERIFY(!w.miCom[index]->isEnabled() && !w.miCom[index]->isChecked());
    QVERIFY(w.miUSB->isChecked() && !w.miGray->isChecked() && !w.miBlack->isChecked());
    QCOMPARE(w.CurrentTool, int16_t(0));
    QCOMPARE(w.SavedTool, int16_t(1));
    QVERIFY(w.mitool[1]->isChecked());
    QCOMPARE(w.pageSetup.TopMargin, 1.0);
    QCOMPARE(w.pageSetup.LeftMargin, 1.0f);
    QCOMPARE(w.pageSetup.ImageWidth, 4.0);
    QCOMPARE(w.centralWidget()->size(), QSize(592, 383));
    QCOMPARE(w.Picture1->contentsRect().size(), QSize(543, 254));
    QVERIFY(showsOnlyBackground(w.Picture1->image()));
    QVERIFY(w.Picture2->isHidden());
}

void TestMainWindow::menusAreLaidOutWithTheirKeys()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    QCOMPARE(captions(w.miFile), QStringList({"&Open [Ctrl+O]", "&Save [Ctrl+S]", "S&ave As... [Ctrl+A]",
                                              "Export PNG...", "-", "&Import", "Import Image...",
                                              "Receive Picture...", "-", "&Print [Ctrl+P]", "Page Setup", "-",
                                              "E&xit [Ctrl+X]"}));
    QCOMPARE(captions(w.miDraw),
             QStringList({"&ClrDraw  [Ctrl+C]", "Tools...", "&Undo [Ctrl+Z]", "&Redo [Ctrl+Y]", "-",
                          "Copy Picture [Ctrl+Shift+C]", "Paste Picture [Ctrl+V]", "-", "Invert", "Flip Horizontal",
                          "Flip Vertical"}));
    QCOMPARE(w.miCopyPicture->shortcuts().value(1), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QCOMPARE(w.miPastePicture->shortcuts().value(1), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    QCOMPARE(w.miRedo->shortcuts().value(1), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    QCOMPARE(captions(w.miTools), QStringList({"Pen", "Erase", "Line", "WhLine", "Box", "WhBox", "Bar", "WhBar",
                                               "Circle", "WhCircle", "Ellipse", "WhEllipse"}));
    QCOMPARE(captions(w.miLink), QStringList({"COM1", "COM2", "COM3", "COM4", "-", "Gray", "Black", "USB", "Emulator",
                                              "-", "TI-92 Plus / Voyage 200", "TI-89 / TI-89 Titanium"}));
    QVERIFY(w.miTI92Plus->isChecked() && !w.miTI89->isChecked());
    QCOMPARE(captions(w.miHelp), QStringList({"&Instructions [F1]", "&About"}));
    QCOMPARE(w.menuBar()->actions().size(), 4);
}

void TestMainWindow::commandStateRows_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("state");
    // From an edited picture with Save on, every row shows what it changes and what it keeps.
    QTest::newRow("empty") << "markEmpty" << "1000 011";
    QTest::newRow("file loaded") << "markFileLoaded" << "0111 100";
    QTest::newRow("edited") << "markEdited" << "0111 100";
    QTest::newRow("saved") << "markSaved" << "1111 000";
    QTest::newRow("saved as a calculator file") << "markSavedAsCalculatorFile" << "1111 000";
    QTest::newRow("screenshot") << "markScreenshotTaken" << "0011 100";
    QTest::newRow("picture received") << "markPictureReceived" << "1011 010";
}

void TestMainWindow::commandStateRows()
{
    QFETCH(QString, event);
    QFETCH(QString, state);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.markEdited();
    w.markFileLoaded();  // Save on too
    QCOMPARE(commandState(w), QStringLiteral("0111 100"));
    const std::map<QString, void (frmPixoram::*)()> rows = {
        {"markEmpty", &frmPixoram::markEmpty},
        {"markFileLoaded", &frmPixoram::markFileLoaded},
        {"markEdited", &frmPixoram::markEdited},
        {"markSaved", &frmPixoram::markSaved},
        {"markSavedAsCalculatorFile", &frmPixoram::markSavedAsCalculatorFile},
        {"markScreenshotTaken", &frmPixoram::markScreenshotTaken},
        {"markPictureReceived", &frmPixoram::markPictureReceived},
    };
    (w.*rows.at(event))();
    QCOMPARE(commandState(w), state);
}

void TestMainWindow::centringTruncatesTowardZero_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("1024 x 768") << QSize(15360, 11520) << QSize(8970, 6450) << QPoint(3195, 2535);
    QTest::newRow("odd difference") << QSize(15361, 11521) << QSize(8970, 6450) << QPoint(3195, 2535);
    QTest::newRow("window larger than the screen") << QSize(8000, 6000) << QSize(8971, 6451) << QPoint(-485, -225);
}

void TestMainWindow::centringTruncatesTowardZero()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredTopLeftTwips(screen, window), topLeft);
}

void TestMainWindow::mouseOnTheWindowEmptiesThePositionPanel()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.statusPanel2->setText(QStringLiteral("( 12,  40)"));
    w.Label2->setText(QStringLiteral("x"));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 200), QPointF(5, 200), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.centralWidget(), &move);
    QCOMPARE(w.statusPanel2->text(), QString());
    QCOMPARE(w.Label2->text(), QString());
}

void TestMainWindow::clrDrawStartsAnEmptyPicture()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drawSomething(w);
    setFileName(w.document, QStringLiteral("/tmp/x.9xi"));
    w.statusPanel1->setText(QStringLiteral("x.9xi"));
    w.Text1->setText(QStringLiteral("other"));
    w.Text2->setText(QStringLiteral("v"));
    w.Text3->setText(QStringLiteral("f"));
    w.SavedTool = 9;

    for (int round = 0; round < 2; ++round) {
        w.miCls_Click();
        QCOMPARE(w.grid, PictureGrid());
        QVERIFY(showsOnlyBackground(w.Picture1->image()));
        QCOMPARE(commandState(w), QStringLiteral("1000 011"));
        QCOMPARE(w.statusPanel1->text(), QString());
        QCOMPARE(w.Text1->text(), QStringLiteral("made with PIXORAM"));
        QCOMPARE(w.Text2->text(), QStringLiteral("picture"));
        QCOMPARE(w.Text3->text(), QStringLiteral("main"));
        QCOMPARE(w.CurrentFileName, QString());
        QCOMPARE(w.CurrentTool, int16_t(1));
        QCOMPARE(w.SavedTool, int16_t(9));
    }
    QVERIFY(dialogs.messages.isEmpty());
    w.miExit_Click();
    QVERIFY(dialogs.programEnded);
    QVERIFY(dialogs.modalWindows.isEmpty());
}

void TestMainWindow::exitWithoutChangesEndsAtOnce()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miExit_Click();
    QVERIFY(dialogs.programEnded);
    QVERIFY(dialogs.modalWindows.isEmpty());
}

void TestMainWindow::exitWithChangesAsksFirst_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK quits") << true;
    QTest::newRow("Cancel returns to drawing") << false;
}

void TestMainWindow::exitWithChangesAsksFirst()
{
    QFETCH(bool, ok);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    drawSomething(w);
    const PictureGrid drawn = w.grid;
    QString caption, text;
    dialogs.modalActions.push_back([&](QDialog& window) {
        auto& warning = dynamic_cast<frmExit&>(window);
        caption = warning.windowTitle();
        text = warning.Label1->text();
        QTest::mouseClick(ok ? warning.Command1 : warning.Command2, Qt::LeftButton);
    });
    w.miExit_Click();
    QCOMPARE(caption, QStringLiteral("WARNING!"));
    QCOMPARE(text, QStringLiteral("Picture NOT saved as 92i or 9xi. Press OK to quit or Cancel to return to drawing."));
    QCOMPARE(dialogs.programEnded, ok);
    QCOMPARE(w.grid, drawn);
    QVERIFY(!w.miOpen->isEnabled());
}

void TestMainWindow::closingWithChangesCanBeCancelled()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.show();
    drawSomething(w);
    dialogs.modalActions.push_back([](QDialog& window) { dynamic_cast<frmExit&>(window).Command2_Click(); });
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(!dialogs.programEnded);

    dialogs.modalActions.push_back([](QDialog& window) { dynamic_cast<frmExit&>(window).Command1_Click(); });
    QVERIFY(w.close());
    QVERIFY(dialogs.programEnded);
    QCOMPARE(dialogs.modalWindows.size(), 2);
    QCOMPARE(dialogs.modalWindows[0], dialogs.modalWindows[1]);  // created once, then only shown again
}

void TestMainWindow::menuShortcutsWinOverTheTextBoxes()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Text1->setFocus();
    w.Text1->setText(QStringLiteral("typed"));
    QTest::keyClick(w.Text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w.Text1->text(), QStringLiteral("made with PIXORAM"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
