#pragma once
// Qt Test data rows kept in a tab-separated file: long tables of cases live beside the data, not in the code.

#include <QFile>
#include <QTest>

// Adds one row per line of the file: its first field names the row, the others fill the
// QString columns the _data() function declared, in order. Blank lines and lines starting
// with # are skipped. A file that cannot be read adds no row and fails the test.
inline void addTsvRows(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(u'\n'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        QTestData& row = QTest::newRow(qPrintable(fields[0]));
        for (const QString& field : fields.mid(1))
            row << field;
    }
}
