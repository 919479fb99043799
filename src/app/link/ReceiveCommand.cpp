// Receive: a picture stored on the calculator in place of the current picture.
#include "app/files/CalculatorFiles.h"
#include "app/frmPixoram.h"
#include "app/link/LinkFeedback.h"
#include "link/LinkErrorCodes.h"
#include "link/ScreenImage.h"

namespace {

const QString kReceiveError = QStringLiteral("Error receiving... check folder, var, cable, and calculator");

}  // namespace

void frmPixoram::miReceive_Click()
{
    CalcModel& model = calcModelOf(*this, calculator);
    model.SetLink(cableCode, portName);
    QStringList pictures;
    LinkResult listed = LinkResult::success();
    {
        const ProgressBarFeed feed(model, *ProgressBar1);
        listed = model.ListPictures(pictures);
    }
    if (listed.ok() && pictures.isEmpty())
        listed = LinkResult::failure(kNoPicture, QStringLiteral("the calculator holds no picture"));
    if (!listed.ok()) {
        dialogs.showMessage(this, linkFailureMessage(kReceiveError, listed));
        return;
    }
    const std::optional<QString> chosen =
        dialogs.choosePicture(this, pictures, document.names().folder + u'\\' + document.names().variable);
    if (!chosen)
        return;
    const qsizetype slash = chosen->indexOf(u'\\');
    document.setFolder(chosen->left(slash));
    document.setVariable(chosen->mid(slash + 1));

    // Received into a variable of its own: a failure leaves the picture as it was.
    CalcVariable received;
    received.SetTypeCode(kPictureVariableTypeCode);
    received.SetName(*chosen);
    LinkResult result = LinkResult::success();
    {
        const ProgressBarFeed feed(model, *ProgressBar1);
        result = model.ReceiveVariable(received);
    }
    if (!result.ok()) {
        dialogs.showMessage(this, linkFailureMessage(kReceiveError, result));
        return;
    }
    markPictureReceived();
    ReplacePicture(received, QString(), QString(), receivedComment(QDateTime::currentDateTime()));
}
