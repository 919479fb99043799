#pragma once
// An attached cable with a calculator handle on it: what a CalcModel keeps
// from its first transfer until its link settings change.

#include "link/CableChoice.h"
#include "link/LinkResult.h"
#include "link/TransferProgress.h"
#include "link/TiLibs.h"
#include "link/VirtualLink.h"

#include <chrono>
#include <functional>
#include <memory>

struct LinkConnection {
    // Looks for the cable (and, on the virtual link, the emulator's end) and
    // attaches it; none, with the failure, when there is none.
    static std::unique_ptr<LinkConnection> attach(const CableChoice& choice, TiCalcModel calcModel, LinkResult& failure);
    ~LinkConnection();
    LinkConnection(const LinkConnection&) = delete;
    LinkConnection& operator=(const LinkConnection&) = delete;

    // Runs one library operation on the calculator handle: fails at once when
    // no calculator can be at the far end, drops what an earlier transfer left
    // on the line, and bounds the operation in time. progress, when given,
    // hears of the bytes of the operation's larger packets.
    LinkResult transfer(const std::function<int(CalcHandle*)>& operation, TransferProgress* progress = nullptr);

    CableChoice choice;
    CableHandle* cable = nullptr;
    CalcHandle* calc = nullptr;
    // The library keeps a pointer to it: the connection never moves.
    CalcUpdate update{};
    // On the virtual link only: where reads wait for their first byte.
    std::unique_ptr<VirtualLinkInput> input;
    // When the running transfer has to end.
    std::chrono::steady_clock::time_point deadline;
    // Where the running transfer's progress goes; none between transfers.
    TransferProgress* progress = nullptr;

private:
    LinkConnection() = default;
};
