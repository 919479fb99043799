// The link half of CalcModel: screen and variable transfers over the cable of SetLink.
#include "link/CalcModel.h"

#include "link/CalcName.h"
#include "link/CalcVariable.h"
#include "link/LinkConnection.h"
#include "link/LinkErrorCodes.h"
#include "link/PictureContent.h"
#include "link/PictureVariableData.h"
#include "link/ScreenImage.h"
#include "link/TiLibraries.h"

namespace {

struct ScreenDeleter {
    void operator()(uint8_t* bitmap) const { ticalcs_free_screen(bitmap); }
};

}  // namespace

CalcModel::CalcModel(CalcKind kind) : kind_(kind) {}

CalcModel::~CalcModel() = default;

LinkResult CalcModel::attach()
{
    if (connection_)
        return LinkResult::success();
    const auto choice = cableChoice(cableCode_, portName_);
    if (!choice)
        return LinkResult::failure(kBadSettings,
                                   QStringLiteral("no cable %1 on port %2").arg(cableCode_).arg(portName_));
    LinkResult failure = LinkResult::success();
    connection_ = LinkConnection::attach(*choice, tiCalcModel(kind_), failure);
    return failure;
}

LinkResult CalcModel::transfer(const std::function<int(CalcHandle*)>& operation)
{
    if (LinkResult attached = attach(); !attached.ok())
        return attached;
    if (!progress_)
        return connection_->transfer(operation);
    TransferProgress progress(progress_, waiting_);
    return connection_->transfer(operation, &progress);
}

void CalcModel::SetLink(int32_t cableCode, const QString& portName)
{
    if (cableCode == cableCode_ && portName == portName_)
        return;
    connection_.reset();
    cableCode_ = cableCode;
    portName_ = portName;
}

LinkResult CalcModel::GetScreen(CalcVariable& variable)
{
    CalcScreenCoord coord{};
    coord.format = SCREEN_FULL;
    uint8_t* received = nullptr;
    const LinkResult result = transfer(
        [&](CalcHandle* calc) { return ticalcs_calc_recv_screen(calc, &coord, &received); });
    const std::unique_ptr<uint8_t, ScreenDeleter> bitmap(received);
    if (!result.ok())
        return result;
    const int width = static_cast<int>(coord.width);
    const int height = static_cast<int>(coord.height);
    if (!bitmap || width <= 0 || width > 1024 || height <= 0 || height > 1024)
        return LinkResult::failure(kBadScreen, QStringLiteral("the calculator sent no usable screen"));
    const auto size = static_cast<qsizetype>((width + 7) / 8 * height);
    variable.SetPicture(screenImage(QByteArray(reinterpret_cast<const char*>(bitmap.get()), size), width, height));
    return LinkResult::success();
}

LinkResult CalcModel::SendVariable(CalcVariable& variable)
{
    QString reason;
    const auto name = calcNameBytes(variable.GetName(), reason);
    if (!name)
        return LinkResult::failure(kBadName, reason);
    const FileContentPtr content = makePictureContent(tiCalcModel(kind_), name->folder, name->name,
                                                      encodePictureVariable(variable.GetPicture(), pictureAreaOf(kind_)));
    if (!content)
        return LinkResult::failure(kNoContent, QStringLiteral("the picture variable could not be made"));
    return transfer([&](CalcHandle* calc) { return ticalcs_calc_send_var(calc, MODE_NORMAL, content.get()); });
}
