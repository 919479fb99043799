#pragma once
// Qt Test data rows kept in a tab-separated file: long tables of cases live beside the data, not in the code.

#include <QString>

// Adds one row per line of the file. Its first line names the columns, all QString, the first
// of them the row's name; each other line starts with the row's name. Blank lines and lines
// starting with # are skipped. A file that cannot be read adds no row and fails the test.
void addTsvRows(const QString& path);
