// The link library's packet counters turned into one transfer's bytes done of bytes expected.
#include "link/TransferProgress.h"

#include <QtTest>

class TestTransferProgress : public QObject {
    Q_OBJECT
private slots:
    void reports_data();
    void reports();
};

void TestTransferProgress::reports_data()
{
    QTest::addColumn<QString>("counters");  // "count/max ..." as the library counts; "end" when the transfer succeeds
    QTest::addColumn<QString>("reports");   // "done/total ..." as reported
    QTest::newRow("one packet, one past its end") << "100/300 200/300 301/300 end" << "100/300 200/300 300/300";
    QTest::newRow("one packet ending short of its end") << "100/300 250/300 end" << "100/300 250/300 300/300";
    QTest::newRow("a second packet adds on") << "200/200 50/100 end" << "200/200 250/300 300/300";
    QTest::newRow("a count falling back starts a packet of the same size") << "90/100 10/100" << "90/100 110/200";
    QTest::newRow("a failed transfer stops where it was") << "100/300" << "100/300";
    QTest::newRow("nothing counted, nothing reported") << "end" << "";
}

void TestTransferProgress::reports()
{
    QFETCH(QString, counters);
    QFETCH(QString, reports);
    QStringList seen;
    TransferProgress progress([&](int64_t done, int64_t total) { seen << QStringLiteral("%1/%2").arg(done).arg(total); },
                              {});
    for (const QString& step : counters.split(u' ')) {
        if (step == QLatin1String("end")) {
            progress.finished();
            continue;
        }
        const QStringList counts = step.split(u'/');
        progress.packetCounted(counts[0].toInt(), counts[1].toInt());
    }
    QCOMPARE(seen.join(u' '), reports);
}

QTEST_MAIN(TestTransferProgress)
#include "tst_transferprogress.moc"
