// Receive: a picture stored on the calculator in place of the current picture.
#include "app/frmPixoram.h"
#include "link/LinkErrorCodes.h"
#include "link/LinkFeedback.h"
#include "link/WorkPicture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kPictureTypeCode = 26;

const QString kReceiveError = QStringLiteral("Error receiving... check folder, var, cable, and calculator");

}  // namespace

void frmPixoram::miReceive_Click()
{
    TI92PlusCalc.SetLink(cableCode, portName);
    QStringList pictures;
    LinkResult listed = LinkResult::success();
    {
        const ProgressBarFeed feed(TI92PlusCalc, *ProgressBar1);
        listed = TI92PlusCalc.ListPictures(pictures);
    }
    if (listed.ok() && pictures.isEmpty())
        listed = LinkResult::failure(kNoPicture, QStringLiteral("the calculator holds no picture"));
    if (!listed.ok()) {
        dialogs.showMessage(this, linkFailureMessage(kReceiveError, listed));
        return;
    }
    const std::optional<QString> chosen = dialogs.choosePicture(this, pictures, Text3->text() + u'\\' + Text2->text());
    if (!chosen)
        return;
    const qsizetype slash = chosen->indexOf(u'\\');
    Text3->setText(chosen->left(slash));
    Text2->setText(chosen->mid(slash + 1));

    // Received into a variable of its own: a failure leaves the picture as it was.
    CalcVariable received;
    received.SetTypeCode(kPictureTypeCode);
    received.SetName(*chosen);
    LinkResult result = LinkResult::success();
    {
        const ProgressBarFeed feed(TI92PlusCalc, *ProgressBar1);
        result = TI92PlusCalc.ReceiveVariable(received);
    }
    if (!result.ok()) {
        dialogs.showMessage(this, linkFailureMessage(kReceiveError, result));
        return;
    }
    CurrentFileName.clear();
    markPictureReceived();
    statusPanel1->clear();
    ReplacePicture(received);
    Text1->setText(receivedComment(QDateTime::currentDateTime()));
}
