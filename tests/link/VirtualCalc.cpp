#include "VirtualCalc.h"

#include <QFile>

#include <sys/ipc.h>
#include <sys/shm.h>

VirtualCalc::VirtualCalc(const QStringList& options, bool cleanFirst)
{
    if (cleanFirst)
        cleanLink();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(VIRTUAL_CALC_PATH), options + QStringList{QStringLiteral("--store"), store_.path()});
    // Bounded wait: a calculator that never opens its end fails the test instead of hanging it.
    QByteArray output;
    while (!output.contains("ready\n") && process_.waitForReadyRead(10000))
        output += process_.readAllStandardOutput();
    ready_ = output.contains("ready\n");
}

VirtualCalc::~VirtualCalc()
{
    crash();
    cleanLink();
}

void VirtualCalc::crash()
{
    process_.kill();
    process_.waitForFinished(10000);
}

void VirtualCalc::cleanLink()
{
    QFile::remove(QStringLiteral("/tmp/.vlc_0_1"));
    QFile::remove(QStringLiteral("/tmp/.vlc_1_0"));
    const key_t key = ftok("/tmp", 0x1234);
    const int id = key == -1 ? -1 : shmget(key, 0, 0);
    if (id != -1)
        shmctl(id, IPC_RMID, nullptr);
}

QByteArray VirtualCalc::stored(const char* file) const
{
    QFile in(store_.filePath(QString::fromLatin1(file)));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
