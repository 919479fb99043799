#include "cli/CliReport.h"

#include "cli/CliUsage.h"

#include <cstdio>

namespace {

void put(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

}  // namespace

void reportFailure(const QString& what, const QString& reason)
{
    // One line a failure, so that scripts can read it line by line; the link
    // library's texts come in several lines, "Msg:", "Cause:", "System:".
    QString line = reason;
    line.remove(QStringLiteral("Msg: "));
    put(stderr, QStringLiteral("pixoram-cli: %1: %2\n").arg(what, line.simplified()));
}

void reportUsage(const QString& reason, const QString& topic)
{
    put(stderr, QStringLiteral("pixoram-cli: %1\n").arg(reason) + cliUsage(topic));
}

void printLine(const QString& text)
{
    put(stdout, text + QLatin1Char('\n'));
}
