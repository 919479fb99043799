// Mouse events on the toolbar go through the window as real ones do, so the panel's mouse grab is exercised.
#define QTEST_QPA_MOUSE_HANDLING

#include "WindowScript.h"

#include "app/frmExit.h"
#include "support/DocumentEdits.h"
#include "ui/Canvas.h"

#include <QtWidgets>
#include <QtTest>

#include <functional>

namespace {

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

// The cells of a grid rule: "invert", "flip-h", "flip-v", "shift DX DY", "import".
PictureGrid expectedGrid(const QStringList& rule, const PictureGrid& before, const PictureGrid& imported, bool add)
{
    PictureGrid grid;
    const int dx = rule.value(1).toInt(), dy = rule.value(2).toInt();
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            if (rule[0] == "invert")
                grid.setCell(x, y, int16_t(1 - before.cell(x, y)));
            else if (rule[0] == "flip-h")
                grid.setCell(x, y, before.cell(kColumns - 1 - x, y));
            else if (rule[0] == "flip-v")
                grid.setCell(x, y, before.cell(x, kRows - 1 - y));
            else if (rule[0] == "shift" && PictureGrid::contains(x - dx, y - dy))
                grid.setCell(x, y, before.cell(x - dx, y - dy));
            else if (rule[0] == "import")
                grid.setCell(x, y, imported.isSet(x, y) || (add && before.isSet(x, y)) ? 1 : 0);
        }
    }
    return grid;
}

QString describe(QDialog& dialog)
{
    if (auto* warning = dynamic_cast<frmExit*>(&dialog))
        return warning->windowTitle() + QStringLiteral(": ") + warning->Label1->text();
    const ImportImageSettings s = dynamic_cast<ImportImageDialog&>(dialog).settings();
    const ConversionOptions& c = s.conversion;
    return QStringLiteral("import %1 %2 %3 %4 %5 %6")
        .arg(int(c.size)).arg(int(c.method)).arg(int(s.mode)).arg(c.level).arg(c.brightness).arg(c.contrast);
}

QPointF point(const QString& word)
{
    return {word.section(QLatin1Char(','), 0, 0).toDouble(), word.section(QLatin1Char(','), 1, 1).toDouble()};
}

void sendMouse(Canvas* canvas, QEvent::Type type, Qt::MouseButtons held, QPointF at)
{
    const QPointF local = QPointF(canvas->contentsRect().topLeft()) + toInnerPixels(float(at.x()), float(at.y()));
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

const std::map<QString, Qt::MouseButton> kMouseButtons = {
    {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
const std::map<QString, void (frmPixoram::*)()> kMarks = {
    {"empty", &frmPixoram::markEmpty}, {"loaded", &frmPixoram::markFileLoaded}, {"edited", &frmPixoram::markEdited},
    {"saved", &frmPixoram::markSaved}, {"saved-calculator-file", &frmPixoram::markSavedAsCalculatorFile},
    {"screenshot", &frmPixoram::markScreenshotTaken}, {"received", &frmPixoram::markPictureReceived}};

// The seven flags: Open, Save, Save As, Print enabled; Image11, Image5, Image8 shown.
QString commandState(const frmPixoram& w)
{
    QString state;
    for (const QAction* item : {w.miOpen, w.miSave, w.miSaveAs, w.miPrint})
        state += item->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    state += QLatin1Char(' ');
    for (const PictureControl* cover : {w.Image11, w.Image5, w.Image8})
        state += cover->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
    return state;
}

}  // namespace

QString appTestData(const QString& name)
{
    QFile file(QStringLiteral(PIXORAM_SOURCE_DIR "/tests/data/app/") + name);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

void addScriptRows(const QStringList& fileNames)
{
    QTest::addColumn<QString>("script");
    for (const QString& name : fileNames) {
        for (const QString& line : appTestData(name).split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char('\t')))
                QTest::newRow(qPrintable(line.section(QLatin1Char('\t'), 0, 0))) << line.section(QLatin1Char('\t'), 1);
        }
    }
}

void WindowScript::run(const QString& script)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const QString& text : script.split(QLatin1String("; "))) {
        step(text.split(QLatin1Char(' ')));
        if (QTest::currentTestFailed()) {
            qWarning("in the step: %s", qPrintable(text));
            return;
        }
    }
}

QString WindowScript::path(const QString& name) const
{
    if (name.startsWith(QLatin1String("tmp/")))
        return temporary.filePath(name.mid(4));
    return QStringLiteral(PIXORAM_SOURCE_DIR "/tests/data/app/") + name;
}

WindowScript::Seen WindowScript::seen() const
{
    return {w.grid,
            w.Picture1->image(),
            {w.Text3->text(), w.Text2->text(), w.Text1->text(), w.statusPanel1->text(), w.CurrentFileName},
            commandState(w)};
}

// The pictures of a toolbar button: raised, pressed.
std::pair<PictureControl*, PictureControl*> WindowScript::button(const QString& name) const
{
    const std::map<QString, std::pair<PictureControl*, PictureControl*>> buttons = {
        {"Open", {w.Image1, w.Image2}}, {"Save", {w.Image3, w.Image4}},
        {"Print", {w.Image7, w.Image6}}, {"Help", {w.Image10, w.Image9}}};
    return buttons.at(name);
}

void WindowScript::step(const QStringList& words)
{
    const QStringList args = words.mid(1);
    const QString rest = args.join(QLatin1Char(' '));
    const Seen now = seen();
    const QString message = dialogs.messages.value(0).text;
    const qsizetype shown = dialogs.fileRequests.size() + dialogs.modalWindows.size() + dialogs.printDialogs;
    const std::map<QString, std::function<void()>> verbs = {
        {"sample", [&] { w.changePicture(QStringLiteral("Sample"), sample()); }},
        {"open", [&] { w.Picture1_OLEDragDrop({path(rest)}); }},
        {"mark", [&] { (w.*kMarks.at(rest))(); }},
        {"menu", [&] { menu(rest); }},
        {"key", [&] { key(args); }},
        {"comment", [&] { w.Text1->setText(rest); }},
        {"tool", [&] { w.mitool_Click(rest.toInt()); }},
        {"savedtool", [&] { w.SavedTool = int16_t(rest.toInt()); }},
        {"drag", [&] { drag(args, true); }},
        {"press", [&] { drag(args, false); }},
        {"release", [&] { sendMouse(w.Picture1, QEvent::MouseButtonRelease, Qt::NoButton, point(rest)); }},
        {"text", [&] { QGuiApplication::clipboard()->setText(rest); }},
        {"clipboard", [&] { QGuiApplication::clipboard()->setImage(QImage(path(rest))); }},
        {"hover", [&] { sendMouse(w.Picture1, QEvent::MouseMove, Qt::NoButton, point(rest)); }},
        {"hover-window", [&] { QTest::mouseMove(w.centralWidget(), point(rest).toPoint()); }},
        {"mkdir", [&] { QVERIFY(QDir().mkdir(path(rest))); }},
        {"close", [&] { w.close(); }},
        {"file", [&] { setFileName(w.document, rest == "on" ? path(QStringLiteral("tmp/picture.9xi")) : QString()); }},
        {"remember", [&] { remembered[rest] = now; }},
        {"answer", [&] { answer(args); }},
        {"down", [&] { toolbar(words[0], args); }},
        {"up", [&] { toolbar(words[0], args); }},
        {"over", [&] { toolbar(words[0], args); }},
        {"hide", [&] { toolbar(words[0], args); }},
        {"tip", [&] { toolTip(rest); }},
        {"grid", [&] { checkGrid(args); }},
        {"changed", [&] { QVERIFY(!(now.grid == remembered.at(rest).grid)); }},
        {"same", [&] { QVERIFY(now == remembered.at(rest)); }},
        {"onestep", [&] { checkOneStep(rest); }},
        {"state", [&] { QCOMPARE(now.commands, rest); }},
        {"texts", [&] { QCOMPARE(now.texts.join(QLatin1Char('|')), rest); }},
        {"undo", [&] { QCOMPARE(w.miUndo->text(), rest); }},
        {"redo", [&] { QCOMPARE(w.miRedo->text(), rest); }},
        {"history",
         [&] { QCOMPARE(QStringLiteral("%1 %2").arg(w.miUndo->isEnabled()).arg(w.miRedo->isEnabled()), rest); }},
        {"tools", [&] { QCOMPARE(QStringLiteral("%1 %2").arg(w.CurrentTool).arg(w.SavedTool), rest); }},
        {"dialog", [&] { QCOMPARE(lastDialog, rest); }},
        {"dialogs", [&] { QCOMPARE(int(dialogs.modalWindows.size()), rest.toInt()); }},
        {"one-dialog", [&] { QCOMPARE(dialogs.modalWindows.first(), dialogs.modalWindows.last()); }},
        {"messages", [&] { QCOMPARE(int(dialogs.messages.size()), rest.toInt()); }},
        {"message", [&] { QVERIFY2(message.contains(rest), qPrintable(message)); }},
        {"names", [&] { QVERIFY2(message.contains(path(rest)), qPrintable(message)); }},
        {"ended", [&] { QCOMPARE(dialogs.programEnded, rest == "yes"); }},
        {"visible", [&] { QCOMPARE(w.isVisible(), rest == "yes"); }},
        {"png", [&] { checkPng(path(args[0]), args[1].toInt()); }},
        {"pictures", [&] { checkPictures(rest); }},
        {"runs", [&] { QCOMPARE(shown, qsizetype(rest.toInt())); }},
        {"log", [&] { QCOMPARE(log, rest); }},
        {"paste-offered", [&] { QCOMPARE(w.miPastePicture->isEnabled(), rest == "yes"); }},
        {"position", [&] { QCOMPARE(w.statusPanel2->text() + QLatin1Char('|') + w.Label2->text(), rest); }},
    };
    const auto verb = verbs.find(words[0]);
    QVERIFY2(verb != verbs.end(), "no such step");
    verb->second();
}

void WindowScript::menu(const QString& caption)
{
    for (QAction* item : w.findChildren<QAction*>()) {
        const QString text = item->text().remove(QLatin1Char('&')).trimmed();
        if (text == caption || text.startsWith(caption + QLatin1Char(' ')))
            return item->trigger();
    }
    QFAIL("no such menu entry");
}

// "key KEYS", or "key KEYS in comment".
void WindowScript::key(const QStringList& args)
{
    QWidget* target = args.size() > 1 ? static_cast<QWidget*>(w.Text1) : w.Picture1;
    target->setFocus();
    QTest::keySequence(target, QKeySequence::fromString(args[0]));
}

void WindowScript::drag(const QStringList& points, bool release)
{
    sendMouse(w.Picture1, QEvent::MouseButtonPress, Qt::LeftButton, point(points[0]));
    for (const QString& word : points.mid(1))
        sendMouse(w.Picture1, QEvent::MouseMove, Qt::LeftButton, point(word));
    if (release)
        sendMouse(w.Picture1, QEvent::MouseButtonRelease, Qt::NoButton, point(points.last()));
}

void WindowScript::answer(const QStringList& args)
{
    if (args[0] == "file")
        return dialogs.fileAnswers.push_back({path(args[1]), args.value(2, QStringLiteral("1")).toInt()});
    dialogs.modalActions.push_back([this, args](QDialog& dialog) {
        lastDialog = describe(dialog);
        if (args[0] == "cancel")
            return dialog.reject();
        if (args[0] == "exit") {
            auto& warning = dynamic_cast<frmExit&>(dialog);
            return (args[1] == "ok" ? warning.Command1 : warning.Command2)->click();
        }
        const QList<QButtonGroup*> groups = dialog.findChildren<QButtonGroup*>();  // size, method, mode
        const QStringList sliders{QStringLiteral("level"), QStringLiteral("brightness"), QStringLiteral("contrast")};
        for (int index = 0; index < 3; ++index) {
            groups[index]->button(args[1 + index].toInt())->click();
            dialog.findChild<QSlider*>(sliders[index])->setValue(args[4 + index].toInt());
        }
        lastImport = dynamic_cast<ImportImageDialog&>(dialog).settings();
        dialog.accept();
    });
}

// A press, release or move on a toolbar button's pressed picture, which is never hidden: the window finds the
// picture on top there. The log records whether the raised picture shows after each.
void WindowScript::toolbar(const QString& verb, const QStringList& args)
{
    const auto [raised, pressed] = button(args[0]);
    if (verb == "hide")
        raised->hide();
    else if (verb == "over")
        QTest::mouseMove(pressed, point(args[1]).toPoint());
    else if (verb == "down")
        QTest::mousePress(pressed, kMouseButtons.at(args[1]), {}, point(args[2]).toPoint());
    else
        QTest::mouseRelease(pressed, kMouseButtons.at(args[1]), {}, point(args[2]).toPoint());
    log += raised->isHidden() ? QLatin1Char('.') : QLatin1Char('X');
}

void WindowScript::toolTip(const QString& name)
{
    const QPoint centre = button(name).first->geometry().center();
    QHelpEvent event(QEvent::ToolTip, centre, w.Panel3D2->mapToGlobal(centre));
    QApplication::sendEvent(w.Panel3D2, &event);
    log += QStringLiteral("[%1]").arg(QToolTip::isVisible() ? QToolTip::text() : QString());
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void WindowScript::checkGrid(const QStringList& rule)
{
    PictureGrid imported;
    if (rule[0] == "import")
        imported = convertImage(QImage(path(QStringLiteral("ramp.png"))), lastImport.conversion);
    const PictureGrid before = remembered.at(QStringLiteral("before")).grid;
    QCOMPARE(w.grid, expectedGrid(rule, before, imported, lastImport.mode == ImportMode::AddBlack));
}

// The change was one step of the history, undone back to the picture remembered as "before", redone exactly.
void WindowScript::checkOneStep(const QString& caption)
{
    const Seen after = seen();
    QCOMPARE(w.miUndo->text(), QStringLiteral("&Undo ") + caption);
    QCOMPARE(after.commands, QStringLiteral("0011 100"));  // edited
    w.miUndo_Click();
    QVERIFY(seen() == remembered.at(QStringLiteral("before")));
    w.miRedo_Click();
    QVERIFY(seen() == after);
}

// One bit a pixel, each cell a square of scale x scale pixels.
void WindowScript::checkPng(const QString& file, int scale)
{
    const QImage png(file);
    QCOMPARE(png.size(), QSize(kColumns * scale, kRows * scale));
    QCOMPARE(png.depth(), 1);
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x)
            QCOMPARE(png.pixel(x, y), w.grid.isSet(x / scale, y / scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
}

// Image1 to Image11: X shown, . hidden.
void WindowScript::checkPictures(const QString& expected)
{
    QString shown;
    for (PictureControl* picture : {w.Image1, w.Image2, w.Image3, w.Image4, w.Image5, w.Image6, w.Image7, w.Image8,
                                    w.Image9, w.Image10, w.Image11})
        shown += picture->isHidden() ? QLatin1Char('.') : QLatin1Char('X');
    QCOMPARE(shown, expected);
}
