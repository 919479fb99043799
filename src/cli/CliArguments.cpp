#include "cli/CliRequest.h"

#include <map>

namespace {

const QStringList kCommands = {QStringLiteral("convert"), QStringLiteral("info"), QStringLiteral("snap"),
                               QStringLiteral("send")};

// Reads the options one subcommand takes; every other argument is positional.
class ArgumentReader {
public:
    ArgumentReader(const QStringList& arguments, QString topic) : arguments_(arguments), topic_(std::move(topic)) {}

    std::optional<UsageError> error;

    bool atEnd() const { return index_ >= arguments_.size(); }
    QString next() { return arguments_[index_++]; }

    // The value after an option, or an error when there is none.
    QString valueOf(const QString& option)
    {
        if (atEnd()) {
            fail(QStringLiteral("%1 needs a value").arg(option));
            return {};
        }
        return next();
    }

    int numberOf(const QString& option, int low, int high)
    {
        const QString text = valueOf(option);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!error && (!ok || value < low || value > high))
            fail(QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"").arg(option).arg(low).arg(high).arg(text));
        return value;
    }

    template <typename T>
    T choiceOf(const QString& option, const std::map<QString, T>& choices)
    {
        const QString text = valueOf(option);
        const auto found = choices.find(text);
        if (found != choices.end())
            return found->second;
        if (!error) {
            QStringList names;
            for (const auto& [choiceName, value] : choices)
                names << choiceName;
            fail(QStringLiteral("%1 takes %2, not \"%3\"").arg(option, names.join(QStringLiteral(", ")), text));
        }
        return choices.begin()->second;
    }

    void fail(const QString& message)
    {
        if (!error)
            error = UsageError{message, topic_};
    }

private:
    const QStringList& arguments_;
    QString topic_;
    qsizetype index_ = 1;
};

const std::map<QString, SizeMode> kSizes = {{QStringLiteral("fit"), SizeMode::Fit},
                                            {QStringLiteral("fill"), SizeMode::Fill},
                                            {QStringLiteral("stretch"), SizeMode::Stretch},
                                            {QStringLiteral("natural"), SizeMode::Natural}};
const std::map<QString, BlackWhiteMethod> kDithers = {
    {QStringLiteral("floyd-steinberg"), BlackWhiteMethod::FloydSteinberg},
    {QStringLiteral("ordered"), BlackWhiteMethod::Ordered}};
const std::map<QString, int> kCables = {{QStringLiteral("gray"), 1},
                                        {QStringLiteral("black"), 2},
                                        {QStringLiteral("usb"), 5},
                                        {QStringLiteral("emulator"), 7}};
const std::map<QString, CalcKind> kModels = {{QStringLiteral("ti92p"), CalcKind::TI92Plus},
                                             {QStringLiteral("ti89"), CalcKind::TI89}};
const std::map<QString, bool> kRows = {{QStringLiteral("graph"), false}, {QStringLiteral("full"), true}};

std::variant<CliRequest, UsageError> parseCommand(const QStringList& arguments, const QString& command)
{
    CliRequest request;
    request.command = command == QLatin1String("convert") ? CliCommand::Convert
                      : command == QLatin1String("info")  ? CliCommand::Info
                      : command == QLatin1String("snap")  ? CliCommand::Snap
                                                          : CliCommand::Send;
    const bool converts = request.command == CliCommand::Convert || request.command == CliCommand::Send;
    const bool writes = request.command == CliCommand::Convert || request.command == CliCommand::Snap;
    const bool links = request.command == CliCommand::Snap || request.command == CliCommand::Send;
    bool thresholdGiven = false;
    bool ditherGiven = false;
    std::optional<int> port;
    QStringList positional;
    ArgumentReader reader(arguments, command);
    while (!reader.atEnd() && !reader.error) {
        const QString argument = reader.next();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            CliRequest help;
            help.helpTopic = command;
            return help;
        }
        if (argument == QLatin1String("--quiet") || argument == QLatin1String("-q")) {
            request.quiet = true;
        } else if (converts && argument == QLatin1String("--size")) {
            request.conversion.size = reader.choiceOf(argument, kSizes);
        } else if (converts && argument == QLatin1String("--threshold")) {
            request.conversion.level = reader.numberOf(argument, 0, 255);
            thresholdGiven = true;
        } else if (converts && argument == QLatin1String("--dither")) {
            request.conversion.method = reader.choiceOf(argument, kDithers);
            ditherGiven = true;
        } else if (converts && argument == QLatin1String("--brightness")) {
            request.conversion.brightness = reader.numberOf(argument, -100, 100);
        } else if (converts && argument == QLatin1String("--contrast")) {
            request.conversion.contrast = reader.numberOf(argument, -100, 100);
        } else if (converts && argument == QLatin1String("--invert")) {
            request.conversion.invert = true;
        } else if (converts && argument == QLatin1String("--rotate")) {
            const int degrees = reader.numberOf(argument, 0, 270);
            if (degrees % 90 != 0)
                reader.fail(QStringLiteral("--rotate takes 0, 90, 180 or 270"));
            request.conversion.rotation = degrees;
        } else if (argument == QLatin1String("--name") && request.command != CliCommand::Info) {
            request.name = reader.valueOf(argument);
        } else if (writes && argument == QLatin1String("--kind")) {
            request.kind = reader.valueOf(argument).toLower();
        } else if (writes && argument == QLatin1String("--pbm-plain")) {
            request.pbmPlain = true;
        } else if (request.command == CliCommand::Convert && argument == QLatin1String("-o")) {
            request.outputDir = reader.valueOf(argument);
        } else if (request.command == CliCommand::Info && argument == QLatin1String("--json")) {
            request.json = true;
        } else if (links && argument == QLatin1String("--cable")) {
            request.cableCode = reader.choiceOf(argument, kCables);
        } else if (links && argument == QLatin1String("--model")) {
            request.model = reader.choiceOf(argument, kModels);
        } else if (links && argument == QLatin1String("--port")) {
            port = reader.numberOf(argument, 1, 4);
        } else if (request.command == CliCommand::Snap && argument == QLatin1String("--rows")) {
            request.fullScreen = reader.choiceOf(argument, kRows);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            reader.fail(QStringLiteral("unknown option %1").arg(argument));
        } else {
            positional << argument;
        }
    }
    if (reader.error)
        return *reader.error;
    if (thresholdGiven && ditherGiven)
        return UsageError{QStringLiteral("--threshold and --dither exclude each other"), command};

    switch (request.command) {
    case CliCommand::Convert:
        if (!request.outputDir.isEmpty()) {
            if (positional.isEmpty())
                return UsageError{QStringLiteral("no input given"), command};
            request.inputs = positional;
        } else {
            if (positional.size() != 2)
                return UsageError{QStringLiteral("convert takes INPUT and OUTPUT, or INPUT... -o DIR"), command};
            request.inputs = {positional[0]};
            request.output = positional[1];
        }
        break;
    case CliCommand::Info:
        if (positional.isEmpty())
            return UsageError{QStringLiteral("no file given"), command};
        request.inputs = positional;
        break;
    case CliCommand::Snap:
        if (positional.size() != 1)
            return UsageError{QStringLiteral("snap takes one OUTPUT"), command};
        request.output = positional[0];
        break;
    case CliCommand::Send:
        if (positional.size() != 1)
            return UsageError{QStringLiteral("send takes one FILE"), command};
        request.inputs = positional;
        break;
    default:
        break;
    }

    if (links) {
        const bool serial = request.cableCode == 1 || request.cableCode == 2;
        if (serial)
            request.portName = QStringLiteral("COM%1").arg(port.value_or(1));
        else if (port.value_or(1) != 1)
            return UsageError{QStringLiteral("the usb and emulator cables have only port 1"), command};
    }
    return request;
}

}  // namespace

std::variant<CliRequest, UsageError> parseCliArguments(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return UsageError{QStringLiteral("no command given"), QString()};
    const QString& first = arguments.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        CliRequest help;
        help.helpTopic = arguments.size() > 1 && kCommands.contains(arguments[1]) ? arguments[1] : QString();
        return help;
    }
    if (first == QLatin1String("--version")) {
        CliRequest version;
        version.command = CliCommand::Version;
        return version;
    }
    if (!kCommands.contains(first))
        return UsageError{QStringLiteral("unknown command \"%1\"").arg(first), QString()};
    // The arguments after the subcommand's name, read by index from 1.
    return parseCommand(arguments, first);
}
