// The calculator's name rules, and how Save As runs them.
#include "app/frmPixoram.h"
#include "files/NameRules.h"
#include "link/CalcCharset.h"
#include "support/ScriptedDialogs.h"

#include <QLineEdit>
#include <QtTest>

namespace {

QString code(int value)
{
    return calcBytesToText(QByteArray(1, static_cast<char>(value)));
}

}  // namespace

class TestNameRules : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void saveAsChecksBothNames_data();
    void saveAsChecksBothNames();
};

void TestNameRules::rules_data()
{
    QTest::addColumn<NameField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: the name passes
    const auto folder = NameField::Folder;
    const auto variable = NameField::Variable;
    const QString invalidFolder = QStringLiteral("Invalid character \rin Folder Name: <%1>");
    const QString invalidVariable = QStringLiteral("Invalid character \rin Pic Var Name: <%1>");
    const QString folderDigit = QStringLiteral("First character of Folder Name can't be digit.");
    const QString variableDigit = QStringLiteral("First character of Pic Var Name can't be digit.");

    QTest::newRow("main") << folder << "main" << "";
    QTest::newRow("picture") << variable << "picture" << "";
    QTest::newRow("Pic1") << variable << "Pic1" << "";
    QTest::newRow("a9") << folder << "a9" << "";
    QTest::newRow("code 130 first, folder") << folder << code(130) + "bc" << "";
    QTest::newRow("code 130 first, variable") << variable << code(130) + "bc" << "";
    QTest::newRow("codes 128 and 148") << variable << code(128) + code(148) << "";
    QTest::newRow("9pic, folder") << folder << "9pic" << folderDigit;
    QTest::newRow("9pic, variable") << variable << "9pic" << variableDigit;
    QTest::newRow("underscore") << folder << "my_pic" << invalidFolder.arg("_");
    QTest::newRow("underscore, variable") << variable << "my_pic" << invalidVariable.arg("_");
    QTest::newRow("space") << variable << "my pic" << invalidVariable.arg(" ");
    QTest::newRow("first invalid character only") << folder << "a b_c" << invalidFolder.arg(" ");
    QTest::newRow("code 234 first, variable") << variable << code(234) + "x" << variableDigit;
    QTest::newRow("code 239 first, variable") << variable << code(239) << variableDigit;
    QTest::newRow("code 234 first, folder") << folder << code(234) + "x" << invalidFolder.arg(code(234));
    QTest::newRow("code 234 second, variable") << variable << "x" + code(234) << invalidVariable.arg(code(234));
    // The character set gives code 149 an odd character that is not one UTF-16
    // code point; the message shows the first one.
    const char32_t odd = code(149).toUcs4().constFirst();
    QTest::newRow("code 149") << variable << "a" + code(149) << invalidVariable.arg(QString::fromUcs4(&odd, 1));
    QTest::newRow("code 255") << folder << "a" + code(255) << invalidFolder.arg(code(255));
    QTest::newRow("no calculator code") << variable << QString::fromUtf8("a月") << invalidVariable.arg(QString::fromUtf8("月"));
    QTest::newRow("empty folder") << folder << "" << "Folder Name missing.";
    QTest::newRow("empty variable") << variable << "" << "Pic Var Name missing.";
}

void TestNameRules::rules()
{
    QFETCH(NameField, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(nameProblem(text, field).value_or(QString()), message);
}

void TestNameRules::saveAsChecksBothNames_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("focus");  // empty: the dialog opens
    QTest::newRow("both bad") << "my_pic" << "9pic" << QStringList{"Pic Var ERROR!", "Folder Name ERROR!"} << "Text3";
    QTest::newRow("variable bad") << "main" << "pic ture" << QStringList{"Pic Var ERROR!"} << "Text2";
    QTest::newRow("folder bad") << "9" << "picture" << QStringList{"Folder Name ERROR!"} << "Text3";
    QTest::newRow("empty names take the defaults") << "" << "" << QStringList{} << "";
}

void TestNameRules::saveAsChecksBothNames()
{
    QFETCH(QString, folder);
    QFETCH(QString, variable);
    QFETCH(QStringList, titles);
    QFETCH(QString, focus);
    ScriptedDialogs dialogs;
    frmPixoram window(dialogs, QString());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Text1->setFocus();
    window.Text3->setText(folder);
    window.Text2->setText(variable);

    window.miSaveAs_Click();

    QStringList shown;
    for (const MessageRequest& message : dialogs.messages) {
        QCOMPARE(message.icon, MessageRequest::Icon::Exclamation);
        QCOMPARE(message.buttons, MessageRequest::Buttons::Ok);
        shown << message.title;
    }
    QCOMPARE(shown, titles);
    QCOMPARE(dialogs.fileRequests.size(), focus.isEmpty() ? 1 : 0);
    QCOMPARE(window.Text3->text(), folder.isEmpty() ? QStringLiteral("main") : folder);
    QCOMPARE(window.Text2->text(), variable.isEmpty() ? QStringLiteral("picture") : variable);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget(), focus == "Text3" ? window.Text3 : window.Text2);
}

QTEST_MAIN(TestNameRules)
#include "tst_namerules.moc"
