#include "support/DataTable.h"

#include <QFile>
#include <QTest>

void addTableRows(const QString& path)
{
    QTest::addColumn<QStringList>("row");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    int number = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        for (QString& field : fields)
            field.replace(QLatin1String("{tab}"), QLatin1String("\t"));
        QTest::addRow("%d: %s", number, qPrintable(fields.join(QLatin1String(" | ")).left(60))) << fields;
    }
}
