#include "link/LinkConnection.h"

#include "link/LinkErrorCodes.h"
#include "link/TiLibraries.h"
#include "link/TransferWatchdog.h"

#include <algorithm>

namespace {

// Tenths of a second the cable waits for each byte: enough for a calculator
// that is busy for a moment, short enough that a missing one is soon reported.
constexpr unsigned int kByteTimeoutTenths = 20;
constexpr auto kByteTimeout = std::chrono::milliseconds(kByteTimeoutTenths * 100);
constexpr int kCableReadTimeout = 4;  // libticables' ERR_READ_TIMEOUT
// The whole of one screen or variable: a real serial cable needs a few seconds.
constexpr auto kTransferLimit = std::chrono::seconds(10);
// How often a transfer waiting for the calculator lets its watcher look.
constexpr auto kWaitSlice = std::chrono::milliseconds(100);

// The connection whose transfer runs now: the library's callbacks take no
// argument, and transfers run one at a time on the calling thread.
thread_local LinkConnection* running = nullptr;

// The library insists on all five callbacks; only the packet counters are shown.
void ignoreUpdate() {}

void packetCounted()
{
    if (running && running->progress)
        running->progress->packetCounted(running->update.cnt1, running->update.max1);
}

bool isVirtualLink(const CableChoice& choice) { return choice.model == CABLE_TIE; }

// Fired by libticables before each read on the virtual link: waits for the
// first byte asleep, and fails the read when none comes in time or the
// emulator's end has gone, before the library would start to spin.
int waitBeforeReading(CableHandle*, uint32_t, const CableEventData* event, void* connection)
{
    if (event->type != CABLE_EVENT_TYPE_BEFORE_RECV)
        return event->retval;
    const auto& link = *static_cast<const LinkConnection*>(connection);
    const auto end = std::min(link.deadline, std::chrono::steady_clock::now() + kByteTimeout);
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        const auto slice = std::clamp(left, std::chrono::milliseconds(0), kWaitSlice);
        const VirtualLinkInput::Wait wait = link.input->waitForByte(slice);
        if (wait == VirtualLinkInput::Wait::Ready)
            return event->retval;
        if (wait == VirtualLinkInput::Wait::Gone || left <= kWaitSlice)
            return kCableReadTimeout;
        if (link.progress)
            link.progress->waiting();
    }
}

}  // namespace

std::unique_ptr<LinkConnection> LinkConnection::attach(const CableChoice& choice, TiCalcModel calcModel,
                                                       LinkResult& failure)
{
    ensureTiLibrariesReady();
    std::unique_ptr<LinkConnection> connection(new LinkConnection);
    connection->choice = choice;
    connection->cable = ticables_handle_new(choice.model, choice.port);
    if (!connection->cable) {
        failure = LinkResult::failure(kNoCable, QStringLiteral("this cable is not supported"));
        return nullptr;
    }
    ticables_options_set_timeout(connection->cable, kByteTimeoutTenths);
    if (!choice.device.isEmpty())
        ticables_cable_set_device(connection->cable, choice.device.toLocal8Bit().constData());
    int present = 0;
    const int probed = ticables_cable_probe(connection->cable, &present);
    if (probed != 0 || !present) {
        const QString where = choice.device.isEmpty() ? QStringLiteral("this port") : choice.device;
        failure = isVirtualLink(choice)
                      ? LinkResult::failure(kNoFarEnd, QStringLiteral("no emulator on the virtual link"))
                      : LinkResult::failure(kNoCable, QStringLiteral("no cable found on %1%2").arg(
                                                          where, probed ? QStringLiteral(": ") + tiErrorText(probed)
                                                                        : QString()));
        return nullptr;
    }
    connection->calc = ticalcs_handle_new(calcModel);
    if (!connection->calc) {
        failure = LinkResult::failure(kNoCable, QStringLiteral("this calculator is not supported"));
        return nullptr;
    }
    CalcUpdate& update = connection->update;
    update.start = update.stop = update.refresh = update.label = ignoreUpdate;
    update.pbar = packetCounted;
    ticalcs_update_set(connection->calc, &update);
    if (const int code = ticalcs_cable_attach(connection->calc, connection->cable)) {
        ticalcs_handle_del(connection->calc);
        connection->calc = nullptr;
        failure = LinkResult::failure(code, tiErrorText(code));
        return nullptr;
    }
    if (isVirtualLink(choice)) {
        connection->input = std::make_unique<VirtualLinkInput>();
        ticables_cable_set_event_user_pointer(connection->cable, connection.get());
        ticables_cable_set_event_hook(connection->cable, waitBeforeReading);
    }
    return connection;
}

LinkConnection::~LinkConnection()
{
    if (calc) {
        ticalcs_cable_detach(calc);
        ticalcs_handle_del(calc);
    }
    if (cable)
        ticables_handle_del(cable);
}

LinkResult LinkConnection::transfer(const std::function<int(CalcHandle*)>& operation, TransferProgress* report)
{
    if (isVirtualLink(choice) && !virtualLinkHasTwoEnds())
        return LinkResult::failure(kNoFarEnd, QStringLiteral("no emulator on the virtual link"));
    ticables_cable_reset(cable);
    ticables_options_set_timeout(cable, kByteTimeoutTenths);
    update.cancel = 0;
    deadline = std::chrono::steady_clock::now() + kTransferLimit;
    int code = 0;
    bool tooSlow = false;
    {
        TransferWatchdog watchdog(update.cancel, cable->timeout, kTransferLimit);
        progress = report;
        running = this;
        code = operation(calc);
        running = nullptr;
        progress = nullptr;
        tooSlow = watchdog.expired();
    }
    if (code == 0) {
        if (report)
            report->finished();
        return LinkResult::success();
    }
    if (tooSlow)
        return LinkResult::failure(kTooSlow, QStringLiteral("the calculator took too long"));
    return LinkResult::failure(code, tiErrorText(code));
}
