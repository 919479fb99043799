// The link's pieces that need no calculator: the Link Settings menu clicked through its items, the
// comments Snap and Receive write, and the link library's packet counters turned into one transfer's
// bytes done of bytes expected.
#include "app/frmPixoram.h"
#include "link/ScreenImage.h"
#include "link/TransferProgress.h"
#include "support/ScriptedDialogs.h"
#include "support/TsvRows.h"

#include <QAction>
#include <QtTest>

class TestLinkParts : public QObject {
    Q_OBJECT
private slots:
    void linkSettingsClicks_data();
    void linkSettingsClicks();
    void commentsAreOnThe24HourClock();
    void progressReports_data();
    void progressReports();
};

void TestLinkParts::linkSettingsClicks_data()
{
    addTsvRows(QStringLiteral(PIXORAM_TESTDATA "/link/linksettings.tsv"));
}

void TestLinkParts::linkSettingsClicks()
{
    QFETCH(QString, clicks);
    QFETCH(QString, cableCode);
    QFETCH(QString, portName);
    QFETCH(QString, enabled);
    QFETCH(QString, checked);
    ScriptedDialogs dialogs;
    frmPixoram w(dialogs, QString());
    const QList<QAction*> items = {w.miCom[1], w.miCom[2], w.miCom[3], w.miCom[4],
                                   w.miGray,   w.miBlack,  w.miUSB,    w.miEmulator};
    for (const QString& caption : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (caption.startsWith(u'/')) {  // a serial adapter as the menu lists it
            w.miPortDevice_Click(caption);
            continue;
        }
        const auto item = std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text() == caption; });
        QVERIFY2(item != items.end(), qPrintable(caption));
        (*item)->trigger();
    }

    QCOMPARE(QString::number(w.cableCode), cableCode);
    QCOMPARE(w.portName, portName);
    QString enabledMarks;
    QString checkedMarks;
    for (QAction* item : items) {
        enabledMarks += item->isEnabled() ? u'X' : u'.';
        checkedMarks += item->isChecked() ? u'X' : u'.';
    }
    QCOMPARE(enabledMarks.left(4), enabled);
    QCOMPARE(checkedMarks, checked);
}

void TestLinkParts::commentsAreOnThe24HourClock()
{
    const QDateTime when(QDate(2026, 3, 7), QTime(15, 4, 9));
    QCOMPARE(screenshotComment(when), QStringLiteral("ScreenShot 03-07-2026, 15:04:09"));
    QCOMPARE(receivedComment(when), QStringLiteral("Received 03-07-2026, 15:04:09"));
}

void TestLinkParts::progressReports_data()
{
    addTsvRows(QStringLiteral(PIXORAM_TESTDATA "/link/progress.tsv"));
}

void TestLinkParts::progressReports()
{
    QFETCH(QString, counters);
    QFETCH(QString, reports);
    QStringList seen;
    TransferProgress progress([&](int64_t done, int64_t total) { seen << QStringLiteral("%1/%2").arg(done).arg(total); },
                              {});
    for (const QString& step : counters.split(u' ')) {
        if (step == QLatin1String("end"))
            progress.finished();
        else
            progress.packetCounted(step.section(u'/', 0, 0).toInt(), step.section(u'/', 1).toInt());
    }
    QCOMPARE(seen.join(u' '), reports);
}

QTEST_MAIN(TestLinkParts)
#include "tst_linkparts.moc"
