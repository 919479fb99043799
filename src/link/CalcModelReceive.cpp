// The fetching half of CalcModel: the calculator's picture variables, listed and received.
#include "link/CalcModel.h"

#include "link/CalcName.h"
#include "link/CalcRequest.h"
#include "link/CalcVariable.h"
#include "link/LinkErrorCodes.h"
#include "link/PictureVariableData.h"
#include "link/TiLibraries.h"

LinkResult CalcModel::ListPictures(QStringList& fullNames)
{
    std::vector<CalcEntry> entries;
    const LinkResult result = transfer([&](CalcHandle* calc) { return requestListing(calc, entries); });
    if (!result.ok())
        return result;
    fullNames.clear();
    for (const CalcEntry& entry : entries) {
        if (entry.type == kPictureTypeCode)
            fullNames << calcFullName(entry.folder, entry.name);
    }
    return LinkResult::success();
}

LinkResult CalcModel::ReceiveVariable(CalcVariable& variable)
{
    QString reason;
    const auto name = calcNameBytes(variable.GetName(), reason);
    if (!name)
        return LinkResult::failure(kBadName, reason);
    ReceivedVariable received;
    const LinkResult result = transfer([&](CalcHandle* calc) {
        return requestVariable(calc, name->folder + '\\' + name->name, kPictureTypeCode, received);
    });
    if (!result.ok())
        return LinkResult::failure(result.code(), QStringLiteral("%1 could not be received: %2")
                                                      .arg(variable.GetName(), result.message()));
    const std::optional<QImage> picture = decodePictureVariable(received.data, reason);
    if (!picture && received.type != kPictureTypeCode)
        return LinkResult::failure(kWrongType, QStringLiteral("%1 is not a picture (its type is 0x%2).")
                                                   .arg(variable.GetName())
                                                   .arg(received.type, 2, 16, QLatin1Char('0')));
    if (!picture)
        return LinkResult::failure(kBadPicture, QStringLiteral("the picture %1 is damaged: %2")
                                                    .arg(variable.GetName(), reason));
    variable.SetName(calcFullName(name->folder, name->name));
    variable.SetPicture(*picture);
    return LinkResult::success();
}
