#pragma once
// Paints the picture as it is printed, and prints it as one page.

class PictureGrid;
class QPainter;
class QPrinter;
struct PageSetupValues;

// Draws onto the painter's device, whose origin is taken as the printable area's top-left corner and
// whose logical resolution turns twips into device pixels: every black cell a filled black square,
// then the frame, an unfilled rectangle with a line 5 device pixels wide. Whatever lies wholly off
// the device is left out, and shapes reaching far beyond it are cut short just outside it.
void paintPrintedPicture(QPainter& painter, const PictureGrid& grid, const PageSetupValues& setup);

// Prints one page on a printer already set up by the user. False when the printer could not start
// or finish the document (nothing is begun when it cannot start).
bool printPicture(QPrinter& printer, const PictureGrid& grid, const PageSetupValues& setup);
