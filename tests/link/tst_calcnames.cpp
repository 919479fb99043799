// What names reach the calculator when the link component sends a picture variable.
#include "VirtualCalc.h"

#include "link/CalcModel.h"
#include "link/CalcVariable.h"

#include <QtTest>

class TestCalcNames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VirtualCalc::cleanLink(); }
    void cleanupTestCase() { VirtualCalc::cleanLink(); }
    void nameOnTheWire_data();
    void nameOnTheWire();
};

void TestCalcNames::nameOnTheWire_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QByteArray>("received");  // empty: refused before the link
    QTest::newRow("plain") << "main\\picture" << QByteArray("main\\picture");
    QTest::newRow("eight and eight") << "abcdefgh\\ijklmnop" << QByteArray("abcdefgh\\ijklmnop");
    QTest::newRow("Greek and accented letters") << QString::fromUtf8("αβ\\éπ") << QByteArray("\x80\x81\\\xE9\x8C");
    QTest::newRow("variable of 9 characters") << "main\\abcdefghi" << QByteArray();
    QTest::newRow("folder of 9 characters") << "abcdefghi\\pic" << QByteArray();
    QTest::newRow("9 Greek letters, 9 calculator bytes") << QString::fromUtf8("main\\αβγδεζηθι") << QByteArray();
    QTest::newRow("euro sign") << QString::fromUtf8("main\\pic€") << QByteArray();
    QTest::newRow("Chinese") << QString::fromUtf8("main\\图") << QByteArray();
    QTest::newRow("no variable") << "main\\" << QByteArray();
    QTest::newRow("no folder") << "\\pic" << QByteArray();
    QTest::newRow("no backslash") << "picture" << QByteArray();
    QTest::newRow("two backslashes") << "main\\sub\\pic" << QByteArray();
}

void TestCalcNames::nameOnTheWire()
{
    QFETCH(QString, fullName);
    QFETCH(QByteArray, received);
    VirtualCalc calc({});
    QVERIFY(calc.isReady());
    CalcModel model(CalcKind::TI92Plus);
    model.SetLink(7, QString());
    CalcVariable variable;
    variable.SetTypeCode(26);
    variable.SetName(fullName);
    QImage picture(240, 103, QImage::Format_RGB32);
    picture.fill(Qt::white);
    variable.SetPicture(picture);

    const LinkResult result = model.SendVariable(variable);

    QCOMPARE(result.ok(), !received.isEmpty());
    QCOMPARE(calc.storedName(), received);
    if (!result.ok())
        QVERIFY(!result.message().isEmpty());
}

QTEST_MAIN(TestCalcNames)
#include "tst_calcnames.moc"
