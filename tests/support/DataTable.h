#pragma once
// Tables of test cases kept as tab-separated text files under tests/data.

#include <QString>

// Adds a QStringList column "row" and one Qt Test row per line of the file, named by its line number and
// fields. Blank lines and lines starting with '#' are skipped; "{tab}" in a field stands for a tab.
void addTableRows(const QString& path);
