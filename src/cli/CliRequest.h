#pragma once
// What one call of pixoram-cli asks for, read from its arguments without touching any file.

#include "import/ImageConversion.h"
#include "link/CalcModel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

enum class CliCommand { Convert, Info, Snap, Send, Help, Version };

struct CliRequest {
    CliCommand command = CliCommand::Help;
    QString helpTopic;           // Help: the subcommand asked about, or empty for the program
    QStringList inputs;          // Convert, Info, Send
    QString output;              // Convert with one input, Snap
    QString outputDir;           // Convert with -o
    std::optional<QString> kind; // --kind
    std::optional<QString> name; // --name, as given
    ConversionOptions conversion;
    bool pbmPlain = false;
    bool json = false;
    bool quiet = false;
    int cableCode = 5;           // the link settings' codes: 1 Gray, 2 Black, 5 USB, 7 Emulator
    QString portName = QStringLiteral("\\\\.\\Silver0");
    bool fullScreen = false;     // snap --rows full
    CalcKind model = CalcKind::TI92Plus;  // snap and send --model: TI92Plus or TI89
};

// Bad usage: what is wrong, and the subcommand whose usage to show (empty: the program's).
struct UsageError {
    QString message;
    QString topic;
};

std::variant<CliRequest, UsageError> parseCliArguments(const QStringList& arguments);
