// The toolbar: press, drag and release on each button, the covers, the pressed pictures, the tooltips,
// and the Save button's choice. Mouse events go through the window as real ones do, so the panel's
// mouse grab is exercised.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "support/DocumentEdits.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

namespace {

struct Button {
    const char* name;
    PictureControl* frmPixoram::*raised;
    PictureControl* frmPixoram::*pressed;
    PictureControl* frmPixoram::*cover;  // null for Help
};

const Button kButtons[] = {
    {"Open", &frmPixoram::Image1, &frmPixoram::Image2, &frmPixoram::Image11},
    {"Save", &frmPixoram::Image3, &frmPixoram::Image4, &frmPixoram::Image5},
    {"Print", &frmPixoram::Image7, &frmPixoram::Image6, &frmPixoram::Image8},
    {"Help", &frmPixoram::Image10, &frmPixoram::Image9, nullptr},
};

// Image1 to Image11 in order: X shown, . hidden.
QString shownPictures(const frmPixoram& w)
{
    QString states;
    for (PictureControl* picture : {w.Image1, w.Image2, w.Image3, w.Image4, w.Image5, w.Image6, w.Image7, w.Image8,
                                    w.Image9, w.Image10, w.Image11})
        states += picture->isHidden() ? QLatin1Char('.') : QLatin1Char('X');
    return states;
}

// Every command the toolbar runs shows a dialog: Open and Save As a file dialog, Print the print
// dialog, Help the instructions.
int commandsRun(const ScriptedDialogs& dialogs)
{
    return int(dialogs.fileRequests.size()) + dialogs.printDialogs + int(dialogs.modalWindows.size());
}

Qt::MouseButton mouseButton(const QString& name)
{
    return name == QLatin1String("right") ? Qt::RightButton
           : name == QLatin1String("middle") ? Qt::MiddleButton
                                             : Qt::LeftButton;
}

// A window shown, with every button free: a picture opened and not yet edited.
struct Window {
    ScriptedDialogs dialogs;
    frmPixoram main{dialogs, QString()};
    bool show()
    {
        main.markFileLoaded();
        main.show();
        return QTest::qWaitForWindowExposed(&main);
    }
};

}  // namespace

class TestToolbar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void click_data();
    void click();
    void drag_data();
    void drag();
    void covers_data();
    void covers();
    void pressedPicture_data();
    void pressedPicture();
    void toolTips_data();
    void toolTips();
    void saveButtonChoosesAtRelease_data();
    void saveButtonChoosesAtRelease();

private:
    // Whether Open and Save As of this build show their dialogs, the only way to see them run.
    bool openShowsDialog = false;
    bool saveAsShowsDialog = false;
};

void TestToolbar::initTestCase()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miOpen_Click();
    openShowsDialog = dialogs.fileRequests.size() == 1;
    w.miSaveAs_Click();
    saveAsShowsDialog = dialogs.fileRequests.size() == (openShowsDialog ? 2 : 1);
}

void TestToolbar::click_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("mouse");
    QTest::addColumn<QPoint>("release");  // pixels from the raised picture's top-left corner
    QTest::addColumn<bool>("runs");
    for (int index = 0; index < 4; ++index) {
        const QString name = QString::fromLatin1(kButtons[index].name);
        auto row = [&](const char* what) -> QTestData& { return QTest::newRow(qPrintable(name + QLatin1Char(' ') + QLatin1String(what))); };
        row("left") << index << "left" << QPoint(5, 5) << true;
        row("right") << index << "right" << QPoint(5, 5) << true;
        row("middle") << index << "middle" << QPoint(5, 5) << true;
        row("on the right edge, 360 twips") << index << "left" << QPoint(24, 5) << true;
        row("on the bottom edge, 330 twips") << index << "left" << QPoint(5, 22) << true;
        row("on the corner") << index << "right" << QPoint(24, 22) << true;
        row("on the top-left pixel") << index << "left" << QPoint(0, 0) << true;
        row("past the right edge") << index << "left" << QPoint(25, 5) << false;
        row("past the bottom edge") << index << "right" << QPoint(5, 23) << false;
        row("left of it") << index << "left" << QPoint(-1, 5) << false;
        row("above it") << index << "middle" << QPoint(5, -1) << false;
    }
}

void TestToolbar::click()
{
    QFETCH(int, button);
    QFETCH(QString, mouse);
    QFETCH(QPoint, release);
    QFETCH(bool, runs);
    if (runs && ((button == 0 && !openShowsDialog) || (button == 1 && !saveAsShowsDialog)))
        QSKIP("Open or Save As shows no dialog in this build, so its run cannot be seen");
    Window w;
    QVERIFY(w.show());
    PictureControl* raised = w.main.*kButtons[button].raised;
    QTest::mousePress(raised, mouseButton(mouse), {}, QPoint(5, 5));
    QVERIFY(raised->isHidden());
    QVERIFY(!(w.main.*kButtons[button].pressed)->isHidden());
    QTest::mouseRelease(raised, mouseButton(mouse), {}, release);
    QCOMPARE(shownPictures(w.main), QStringLiteral("XXXX.XX.XX."));
    QCOMPARE(commandsRun(w.dialogs), runs ? 1 : 0);
}

void TestToolbar::drag_data()
{
    // Steps: "press|release <button> x,y" or "move x,y", pixels from the raised picture's corner.
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("raisedAfterEach");  // X shown, . hidden
    QTest::addColumn<bool>("runs");
    for (int index = 0; index < 4; ++index) {
        const QString name = QString::fromLatin1(kButtons[index].name);
        auto row = [&](const char* what) -> QTestData& { return QTest::newRow(qPrintable(name + QLatin1Char(' ') + QLatin1String(what))); };
        row("left: off, released off") << index << "press left 5,5; move 40,5; release left 40,5" << ".XX" << false;
        row("left: off and back, released on")
            << index << "press left 5,5; move 5,30; move 23,21; release left 23,21" << ".X.X" << true;
        row("left: onto the edge") << index << "press left 5,5; move 25,5; move 24,22; release left 24,22" << ".X.X"
                                   << true;
        row("left: far off the panel") << index << "press left 5,5; move -70,60; release left -70,60" << ".XX" << false;
        row("right: looks pressed off the button")
            << index << "press right 5,5; move 40,5; release right 40,5" << "..X" << false;
        row("right: off and back, released on")
            << index << "press right 5,5; move 40,5; move 5,5; release right 5,5" << "...X" << true;
        row("left and right: moves do nothing")
            << index << "press left 5,5; press right 5,5; move 40,5; release right 40,5; move 5,5; release left 40,5"
            << "...X.X" << false;
    }
}

void TestToolbar::drag()
{
    QFETCH(int, button);
    QFETCH(QString, steps);
    QFETCH(QString, raisedAfterEach);
    QFETCH(bool, runs);
    if (runs && ((button == 0 && !openShowsDialog) || (button == 1 && !saveAsShowsDialog)))
        QSKIP("Open or Save As shows no dialog in this build, so its run cannot be seen");
    Window w;
    QVERIFY(w.show());
    PictureControl* raised = w.main.*kButtons[button].raised;
    QString raisedStates;
    for (const QString& step : steps.split(QLatin1String("; "))) {
        const QStringList words = step.split(QLatin1Char(' '));
        const QStringList xy = words.last().split(QLatin1Char(','));
        const QPoint at(xy[0].toInt(), xy[1].toInt());
        if (words[0] == QLatin1String("press"))
            QTest::mousePress(raised, mouseButton(words[1]), {}, at);
        else if (words[0] == QLatin1String("release"))
            QTest::mouseRelease(raised, mouseButton(words[1]), {}, at);
        else
            QTest::mouseMove(raised, at);
        raisedStates += raised->isHidden() ? QLatin1Char('.') : QLatin1Char('X');
    }
    QCOMPARE(raisedStates, raisedAfterEach);
    QCOMPARE(commandsRun(w.dialogs), runs ? 1 : 0);
}

void TestToolbar::covers_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("edited");  // else empty, as at start
    QTest::addColumn<QString>("shown");
    QTest::newRow("Open while edited") << 0 << true << "XXXX.XX.XXX";
    QTest::newRow("Save while empty") << 1 << false << "XXXXXXXXXX.";
    QTest::newRow("Print while empty") << 2 << false << "XXXXXXXXXX.";
}

void TestToolbar::covers()
{
    QFETCH(int, button);
    QFETCH(bool, edited);
    QFETCH(QString, shown);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (edited)
        w.markEdited();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    PictureControl* cover = w.*kButtons[button].cover;
    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(cover, mouse, {}, QPoint(5, 5));
        QCOMPARE(shownPictures(w), shown);
        QTest::mouseMove(cover, QPoint(40, 5));
        QTest::mouseMove(cover, QPoint(6, 6));
        QCOMPARE(shownPictures(w), shown);
        QTest::mouseRelease(cover, mouse, {}, QPoint(6, 6));
        QCOMPARE(shownPictures(w), shown);
    }
    QCOMPARE(commandsRun(dialogs), 0);
}

void TestToolbar::pressedPicture_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("raisedShownAgain");
    QTest::newRow("Open: Image2 shows Image1") << 0 << true;
    QTest::newRow("Save: Image4 shows Image3") << 1 << true;
    QTest::newRow("Print: Image6 does nothing") << 2 << false;
    QTest::newRow("Help: Image9 does nothing") << 3 << false;
}

// A raised picture left hidden (the mouse taken away mid-click) uncovers the pressed one, which
// then takes the clicks.
void TestToolbar::pressedPicture()
{
    QFETCH(int, button);
    QFETCH(bool, raisedShownAgain);
    Window w;
    QVERIFY(w.show());
    PictureControl* raised = w.main.*kButtons[button].raised;
    raised->hide();
    QTest::mouseClick(w.main.*kButtons[button].pressed, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(!raised->isHidden(), raisedShownAgain);
    QCOMPARE(commandsRun(w.dialogs), 0);
}

void TestToolbar::toolTips_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("tip");
    QTest::newRow("Open") << 0 << false << "Open";
    QTest::newRow("Save, covered") << 1 << false << "";
    QTest::newRow("Save") << 1 << true << "Save";
    QTest::newRow("Print, covered") << 2 << false << "";
    QTest::newRow("Print") << 2 << true << "Print";
    QTest::newRow("Help") << 3 << false << "Help";
}

void TestToolbar::toolTips()
{
    QFETCH(int, button);
    QFETCH(bool, loaded);
    QFETCH(QString, tip);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    if (loaded)
        w.markFileLoaded();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const PictureControl* raised = w.*kButtons[button].raised;
    const QPoint at = raised->geometry().center();
    QHelpEvent event(QEvent::ToolTip, at, w.Panel3D2->mapToGlobal(at));
    QApplication::sendEvent(w.Panel3D2, &event);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
}

void TestToolbar::saveButtonChoosesAtRelease_data()
{
    QTest::addColumn<bool>("nameAtPress");
    QTest::addColumn<bool>("nameAtRelease");
    QTest::newRow("no file: Save As") << false << false;
    QTest::newRow("a file: Save") << true << true;
    QTest::newRow("file gained while pressed: Save") << false << true;
    QTest::newRow("file lost while pressed: Save As") << true << false;
}

void TestToolbar::saveButtonChoosesAtRelease()
{
    QFETCH(bool, nameAtPress);
    QFETCH(bool, nameAtRelease);
    if (!saveAsShowsDialog)
        QSKIP("Save As shows no dialog in this build, so Save and Save As cannot be told apart");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.9xi"));
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.markEdited();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    setFileName(w.document, nameAtPress ? path : QString());
    QTest::mousePress(w.Image3, Qt::LeftButton, {}, QPoint(5, 5));
    setFileName(w.document, nameAtRelease ? path : QString());
    QTest::mouseRelease(w.Image3, Qt::LeftButton, {}, QPoint(5, 5));
    if (nameAtRelease) {
        // Save asks nothing and counts the picture saved: Open is offered again.
        QVERIFY(dialogs.fileRequests.isEmpty());
        QVERIFY(w.miOpen->isEnabled());
        QVERIFY(w.Image11->isHidden());
    } else {
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QCOMPARE(dialogs.fileRequests[0].mode, FileDialogRequest::Mode::Save);
        QVERIFY(!w.miOpen->isEnabled());  // cancelled: still unsaved
    }
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
