// Choosing a tool, and suspending it after a load.
#include "app/frmPixoram.h"

#include <QAction>

void frmPixoram::checkToolItem(int index)
{
    for (int item = 1; item <= 12; ++item)
        mitool[item]->setChecked(false);
    mitool[index]->setChecked(true);
}

void frmPixoram::mitool_Click(int index)
{
    for (int item = 1; item <= 12; ++item)
        mitool[item]->setChecked(false);
    CurrentTool = static_cast<int16_t>(index);
    mitool[index]->setChecked(true);
}

void frmPixoram::parkTool()
{
    SavedTool = CurrentTool != 0 ? CurrentTool : int16_t{1};
    CurrentTool = 0;
    checkToolItem(SavedTool);
}
