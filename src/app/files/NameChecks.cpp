// The name checks Save As runs before its dialog.
#include "app/frmPixoram.h"
#include "files/NameRules.h"

#include <QLineEdit>

namespace {

bool checkName(frmPixoram& window, QLineEdit* field, NameField kind)
{
    const std::optional<QString> problem = nameProblem(field->text(), kind);
    if (!problem)
        return true;
    window.dialogs.showMessage(&window, {*problem, nameProblemTitle(kind), MessageRequest::Icon::Exclamation});
    field->setFocus();
    return false;
}

}  // namespace

bool frmPixoram::CheckFolderName()
{
    return checkName(*this, Text3, NameField::Folder);
}

bool frmPixoram::CheckVarName()
{
    return checkName(*this, Text2, NameField::Variable);
}
