#pragma once
// What pixoram-cli prints: results on standard output, failures on standard error.

#include <QString>

// "pixoram-cli: WHAT: reason" on standard error; WHAT is a path as the user gave it, or an option.
void reportFailure(const QString& what, const QString& reason);

// Bad usage: the reason, then the usage of the topic, on standard error.
void reportUsage(const QString& reason, const QString& topic);

void printLine(const QString& text);
