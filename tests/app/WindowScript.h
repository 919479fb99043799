#pragma once
// Plays a script of the data files in tests/data/app on a shown main window: what a user does, and
// checks of what the window then shows. The steps are described at the head of commands.tsv.

#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

#include <map>

// A file of tests/data/app as text.
QString appTestData(const QString& name);

// Adds each script of the named files as a row of the test's data, in the column "script".
void addScriptRows(const QStringList& fileNames);

class WindowScript {
public:
    // Shows the window; stops at the first failing check, and names its step.
    void run(const QString& script);

private:
    struct Seen {
        PictureGrid grid;
        QImage canvas;
        QStringList texts;  // folder, variable, comment, status, file
        QString commands;
        bool operator==(const Seen&) const = default;
    };

    void step(const QStringList& words);
    void menu(const QString& caption);
    void key(const QStringList& args);
    void drag(const QStringList& points, bool release);
    void answer(const QStringList& args);
    void toolbar(const QString& verb, const QStringList& args);
    void toolTip(const QString& name);
    void checkGrid(const QStringList& rule);
    void checkOneStep(const QString& caption);
    void checkPng(const QString& file, int scale);
    void checkPictures(const QString& expected);
    QString path(const QString& name) const;
    Seen seen() const;
    std::pair<PictureControl*, PictureControl*> button(const QString& name) const;

    ScriptedDialogs dialogs;
    frmPixoram w{dialogs, QString()};
    QTemporaryDir temporary;
    std::map<QString, Seen> remembered;
    QString lastDialog;              // the last modal dialog shown: "title: text", or "import" and its settings
    ImportImageSettings lastImport;  // what the last "answer import" chose
    QString log;                     // the raised picture after each toolbar step, and the tooltips shown
};
