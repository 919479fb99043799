#include "link/CalcModel.h"

struct LinkConnection {};

CalcModel::CalcModel(CalcKind kind) : kind_(kind) {}
CalcModel::~CalcModel() = default;
void CalcModel::SetLink(int32_t cableCode, const QString& portName)
{
    cableCode_ = cableCode;
    portName_ = portName;
}
LinkResult CalcModel::GetScreen(CalcVariable&) { return LinkResult::failure(-1, QStringLiteral("not built yet")); }
LinkResult CalcModel::SendVariable(CalcVariable&) { return LinkResult::failure(-1, QStringLiteral("not built yet")); }
