#include "support/TsvRows.h"

#include <QFile>
#include <QTest>

void addTsvRows(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    static QList<QByteArray> columns;  // Qt Test keeps only pointers to the names
    for (const QString& column : lines.value(0).split(u'\t').mid(1)) {
        columns.append(column.toUtf8());
        QTest::addColumn<QString>(columns.constLast().constData());
    }
    for (const QString& line : lines.mid(1)) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        QTestData& row = QTest::newRow(qPrintable(fields[0]));
        for (const QString& value : fields.mid(1))
            row << value;
    }
}
