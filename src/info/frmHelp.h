#pragma once
// The brief instructions.

#include <QDialog>

class QPushButton;

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent);

    void Command1_Click();

    QPushButton* Command1 = nullptr;
};
