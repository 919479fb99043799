// The Link Settings menu, clicked through its items: cable code, port name, enabling and check marks.
#include "app/frmPixoram.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QtTest>

class TestLinkSettings : public QObject {
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void vanishedAdapterGivesTheReason();
};

void TestLinkSettings::clicks_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("cableCode");
    QTest::addColumn<QString>("portName");
    QTest::addColumn<bool>("comEnabled");
    // Check marks of COM1 COM2 COM3 COM4 Gray Black USB Emulator.
    QTest::addColumn<QString>("checks");
    const QString silver = QStringLiteral("\\\\.\\Silver0");
    QTest::newRow("start-up") << "" << 5 << silver << false << "......X.";
    QTest::newRow("COM entries cannot be clicked under USB") << "COM3" << 5 << silver << false << "......X.";
    QTest::newRow("Gray keeps the USB port") << "Gray" << 1 << silver << true << "....X...";
    QTest::newRow("Black") << "Black" << 2 << silver << true << ".....X..";
    QTest::newRow("Gray, COM3") << "Gray COM3" << 1 << "COM3" << true << "..X.X...";
    QTest::newRow("one COM entry checked at a time") << "Gray COM1 COM4" << 1 << "COM4" << true << "...XX...";
    QTest::newRow("COM3 under Black, then Gray") << "Black COM3 Gray" << 1 << "COM3" << true << "..X.X...";
    QTest::newRow("USB clears no COM check mark") << "Gray COM2 USB" << 5 << silver << false << ".X....X.";
    QTest::newRow("USB, then Gray") << "Gray COM2 USB Gray" << 1 << silver << true << ".X..X...";
    QTest::newRow("Emulator") << "Emulator" << 7 << silver << false << ".......X";
    QTest::newRow("Emulator keeps the port") << "Black COM4 Emulator" << 7 << "COM4" << false << "...X...X";
    QTest::newRow("Emulator, then Gray") << "Emulator Gray" << 1 << silver << true << "....X...";
    QTest::newRow("Emulator, then USB") << "Black COM2 Emulator USB" << 5 << silver << false << ".X....X.";
    QTest::newRow("Emulator twice stays checked") << "Emulator Emulator" << 7 << silver << false << ".......X";
}

void TestLinkSettings::clicks()
{
    QFETCH(QString, clicks);
    QFETCH(int, cableCode);
    QFETCH(QString, portName);
    QFETCH(bool, comEnabled);
    QFETCH(QString, checks);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const QList<QAction*> items = {w.miCom[1], w.miCom[2], w.miCom[3], w.miCom[4],
                                   w.miGray,   w.miBlack,  w.miUSB,    w.miEmulator};
    for (const QString& caption : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto item = std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text() == caption; });
        QVERIFY2(item != items.end(), qPrintable(caption));
        (*item)->trigger();
    }

    QCOMPARE(w.cableCode, cableCode);
    QCOMPARE(w.portName, portName);
    for (int index = 1; index <= 4; ++index)
        QCOMPARE(w.miCom[index]->isEnabled(), comEnabled);
    QString marks;
    for (QAction* item : items)
        marks += item->isChecked() ? QLatin1Char('X') : QLatin1Char('.');
    QCOMPARE(marks, checks);
}

// An adapter unplugged after the menu listed it: the usual message, and where it went.
void TestLinkSettings::vanishedAdapterGivesTheReason()
{
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    w.miGray_Click();
    w.miCom_Click(2);
    w.miPortDevice_Click(QStringLiteral("/dev/ttyUSB97"));
    QCOMPARE(w.portName, QStringLiteral("/dev/ttyUSB97"));
    QVERIFY(!w.miCom[2]->isChecked());

    w.Command2_Click();

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Error sending... check folder, var, cable, and calculator"));
    QVERIFY2(dialogs.messages[0].detailedText.contains(QStringLiteral("/dev/ttyUSB97")),
             qPrintable(dialogs.messages[0].detailedText));
}

QTEST_MAIN(TestLinkSettings)
#include "tst_linksettings.moc"
