#include "link/CalcModel.h"

LinkResult CalcModel::ReadFile(CalcVariable&) { return LinkResult::failure(-1, QStringLiteral("not built yet")); }
LinkResult CalcModel::WriteFile(CalcVariable&) { return LinkResult::failure(-1, QStringLiteral("not built yet")); }
