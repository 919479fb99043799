#pragma once
// The "WARNING!" window: quit without saving, or go back to drawing.

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

class frmExit : public QDialog {
    Q_OBJECT
public:
    frmExit(QWidget* parent, std::function<void()> endProgram);

    void Command1_Click();  // OK: the program ends
    void Command2_Click();  // Cancel: back to the drawing

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    std::function<void()> endProgram_;
};
