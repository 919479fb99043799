#pragma once
// Where an imported image lands on the picture: centred when smaller, its top-left part when larger.
//
//   across: W > 239  -> image columns 0..239 read, offset 0
//           else     -> image columns 0..W   read, offset 120 - W div 2
//   down:   H > 103  -> image rows 0..103 read, offset 0 (row 103 falls off the grid)
//           else     -> image rows 0..H   read, offset 51 - H div 2
//
// The read positions include the column W and the row H just past the image;
// they never hold a pixel and so never become black cells.

struct ImportPlacement {
    int lastColumn;    // last image column read
    int lastRow;       // last image row read
    int columnOffset;  // added to an image column to give the grid column
    int rowOffset;     // added to an image row to give the grid row
};

// Precondition: width and height are at least 1.
ImportPlacement importPlacement(int width, int height);
