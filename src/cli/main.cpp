// pixoram-cli: the editor's conversion, picture files and link for scripts, without a display.
#include "cli/CliCommands.h"
#include "cli/CliReport.h"
#include "cli/CliUsage.h"

#include <QCoreApplication>

namespace {

// The image readers' own warnings ("libpng error: ...") say nothing a user can act
// on; the one line of ours for each failed file says what failed and why.
void dropLibraryMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(dropLibraryMessages);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pixoram-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PIXORAM_VERSION));

    const auto parsed = parseCliArguments(QCoreApplication::arguments().mid(1));
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        reportUsage(usage->message, usage->topic);
        return kCliBadUsage;
    }
    const CliRequest& request = std::get<CliRequest>(parsed);
    switch (request.command) {
    case CliCommand::Help:
        printLine(cliUsage(request.helpTopic).trimmed());
        return kCliSuccess;
    case CliCommand::Version:
        printLine(QStringLiteral("pixoram-cli " PIXORAM_VERSION));
        return kCliSuccess;
    case CliCommand::Convert:
        return runConvert(request);
    case CliCommand::Info:
        return runInfo(request);
    case CliCommand::Snap:
        return runSnap(request);
    case CliCommand::Send:
        return runSend(request);
    }
    return kCliBadUsage;
}
