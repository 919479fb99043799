#pragma once
// pixoram-cli's help texts.

#include <QString>

// The help of a subcommand ("convert", "info", "snap", "send"), or the program's for an empty topic.
QString cliUsage(const QString& topic);
