// The main window: its start-up, its centring, and the scripts of tests/data/app played on it.
#include "WindowScript.h"
#include "ui/Canvas.h"
#include "ui/WindowCentring.h"

#include <QtWidgets>
#include <QtTest>

namespace {

// Every menu as tests/data/app/menus.txt lists it: captions, keys, check marks, disabled entries.
QString menuLayout(const frmPixoram& w)
{
    QString text;
    for (const QMenu* menu : {w.miFile, w.miDraw, w.miTools, w.miLink, w.miHelp}) {
        text += menu->title() + QLatin1Char('\n');
        for (const QAction* item : menu->actions()) {
            text += QStringLiteral("    ") + (item->isSeparator() ? QStringLiteral("-") : item->text());
            if (!item->shortcuts().isEmpty())
                text += QStringLiteral("\t[%1]").arg(QKeySequence::listToString(item->shortcuts()).replace("; ", ", "));
            text += QLatin1String(item->isChecked() ? "\tchecked\n" : item->isEnabled() ? "\n" : "\tdisabled\n");
        }
    }
    return text;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpDefaults()
    {
        ScriptedDialogs dialogs;
        frmPixoram w(dialogs, QString());
        QCOMPARE(w.windowTitle(), QStringLiteral("Pixoram - 2.7"));
        QCOMPARE(menuLayout(w), appTestData(QStringLiteral("menus.txt")));
        QCOMPARE(w.menuBar()->actions().size(), 4);
        QCOMPARE(QList<int>({w.Text1->maxLength(), w.Text2->maxLength(), w.Text3->maxLength()}),
                 QList<int>({40, 8, 8}));
        QCOMPARE(w.centralWidget()->size(), QSize(592, 383));
        QCOMPARE(w.Picture1->contentsRect().size(), QSize(543, 254));
        QImage background(w.Picture1->image().size(), w.Picture1->image().format());
        background.fill(Canvas::kBackground);
        QCOMPARE(w.Picture1->image(), background);
        QVERIFY(w.Picture2->isHidden());
    }

    void centringTruncatesTowardZero()
    {
        QCOMPARE(centredTopLeftTwips(QSize(15360, 11520), QSize(8970, 6450)), QPoint(3195, 2535));  // 1024 x 768
        QCOMPARE(centredTopLeftTwips(QSize(15361, 11521), QSize(8970, 6450)), QPoint(3195, 2535));
        QCOMPARE(centredTopLeftTwips(QSize(8000, 6000), QSize(8971, 6451)), QPoint(-485, -225));
    }

    // The scripts of the window, of the commands that change the picture and of the toolbar.
    void scripts_data()
    {
        addScriptRows({QStringLiteral("window.tsv"), QStringLiteral("commands.tsv"), QStringLiteral("toolbar.tsv")});
    }

    void scripts()
    {
        QFETCH(QString, script);
        WindowScript().run(script);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
