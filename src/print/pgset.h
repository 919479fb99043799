#pragma once
// The "Page Setup" window: edits the top margin, left margin and image width, and shows where the
// picture lands on a letter-size page. Modeless; the stored values change only on OK.

#include "print/PageSetupFields.h"

#include <QDialog>

class PagePreview;
class QLabel;
class QLineEdit;
class QPushButton;
class SpinButton;
struct PageSetupValues;

class pgset : public QDialog {
    Q_OBJECT
public:
    // stored: the values printing uses; must outlive the window.
    pgset(QWidget* parent, PageSetupValues& stored);

    // ---- Handlers ----------------------------------------------------------
    void Form_Activate();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    // The arrows move the picture's edge the way they point: down the page, to the right, wider.
    void Spin1_SpinUp();
    void Spin1_SpinDown();
    void Spin2_SpinUp();
    void Spin2_SpinDown();
    void Spin3_SpinUp();
    void Spin3_SpinDown();
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

    // ---- Controls ----------------------------------------------------------
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text1 = nullptr;  // top margin
    QLineEdit* Text2 = nullptr;  // left margin
    QLineEdit* Text3 = nullptr;  // image width
    SpinButton* Spin1 = nullptr;
    SpinButton* Spin2 = nullptr;
    SpinButton* Spin3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    PagePreview* Picture1 = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    void fieldChanged(QLineEdit* field, FieldLimit limit);

    PageSetupValues& stored_;
};
