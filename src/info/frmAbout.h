#pragma once
// The About window: the program's name and credits, with a picture that rises
// from the bottom edge each time the window is shown.

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPictureStartTop = 2520;  // twips: the bottom edge of the client area
    static constexpr int kPictureRestTop = 1300;
    static constexpr int kPictureStep = 10;

    explicit frmAbout(QWidget* parent);

    void Form_Activate();
    void Timer1_Timer();
    void Command1_Click();
    // The title bar's close button acts as OK.
    void reject() override;

    int pictureTop() const { return pictureTopTwips; }

    QLabel* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placePicture(int topTwips);
    int pictureTopTwips = kPictureStartTop;
};
