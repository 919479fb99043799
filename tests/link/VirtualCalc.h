#pragma once
// Runs tools/virtual-calc as a child process at the far end of the virtual link,
// and cleans up what the virtual link leaves behind.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class VirtualCalc {
public:
    // Cleans the link (unless told to find it as an earlier calculator left
    // it), starts the calculator with these options plus --store (a fresh
    // directory) and waits until it has opened its end.
    explicit VirtualCalc(const QStringList& options, bool cleanFirst = true);
    // Kills the calculator and cleans the link.
    ~VirtualCalc();

    // Kills the calculator and leaves the link as a crashed emulator does.
    void crash();

    bool isReady() const { return ready_; }
    // What the calculator stored of the last variable it accepted; empty when none.
    QByteArray storedName() const { return stored("name"); }
    QByteArray storedType() const { return stored("type"); }
    QByteArray storedData() const { return stored("data"); }

    // Removes the virtual link's pipes and shared-memory counter, as a killed end leaves them.
    static void cleanLink();

private:
    QByteArray stored(const char* file) const;
    QTemporaryDir store_;
    QProcess process_;
    bool ready_ = false;
};
