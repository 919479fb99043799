#pragma once
// Where the printed picture goes on the page, in inches.

struct PageSetupValues {
    double TopMargin = 1;
    float LeftMargin = 1;
    double ImageWidth = 4;
};
