#include "CalculatorSide.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <thread>
#include <unistd.h>

namespace {

constexpr uint8_t kTI92PlusId = 0x88;
constexpr uint8_t kTI89Id = 0x98;
constexpr uint8_t kVar = 0x06, kCts = 0x09, kXdp = 0x15, kSkip = 0x36, kAck = 0x56, kReady = 0x68,
                  kScreen = 0x6D, kEot = 0x92, kRequest = 0xA2, kRts = 0xC9;
constexpr uint8_t kSkipReason = 2;
// A real TI-92 Plus answers the ready check with this status in its acknowledgement.
constexpr uint16_t kReadyStatus = 0x100C;
constexpr auto kReplyWait = std::chrono::seconds(2);
constexpr auto kTrickleStep = std::chrono::milliseconds(900);
constexpr uint8_t kListingType = 0x1A, kFolderListing = 0x1F, kVariableListing = 0x1B, kFolderType = 0x1F;
constexpr uint16_t kNoSuchVariable = 1;
// Slow: a data packet goes out in this many pieces, this far apart, and a
// received variable is acknowledged after the whole of that time.
constexpr int kSlowPieces = 10;
constexpr auto kSlowStep = std::chrono::milliseconds(100);

bool carriesData(uint8_t command)
{
    return command == kVar || command == kXdp || command == kSkip || command == kRequest || command == kRts;
}

uint16_t checksumOf(const std::vector<uint8_t>& data)
{
    return static_cast<uint16_t>(std::accumulate(data.begin(), data.end(), 0u));
}

void appendEntry(std::vector<uint8_t>& bytes, const std::string& name, uint8_t type, uint32_t size)
{
    std::string padded = name.substr(0, 8);
    padded.resize(8, '\0');
    bytes.insert(bytes.end(), padded.begin(), padded.end());
    bytes.push_back(type);
    bytes.push_back(0);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(size >> shift));
}

[[noreturn]] void dieAbruptly()
{
    // No clean-up: the link stays as a crashed emulator leaves it.
    _exit(3);
}

}  // namespace

CalculatorSide::CalculatorSide(CalcLinkEnd& link, const Options& options, std::vector<uint8_t> screen,
                               std::vector<StoredVariable> variables)
    : link_(link), options_(options), screen_(std::move(screen)), variables_(std::move(variables)),
      calcId_(options.model == Model::TI89 ? kTI89Id : kTI92PlusId)
{
}

void CalculatorSide::serveUntil(Clock::time_point deadline)
{
    deadline_ = deadline;
    while (Clock::now() < deadline_) {
        const auto request = receive(deadline_);
        if (request && request->command != kAck)
            answer(*request);
    }
}

std::optional<CalculatorSide::Packet> CalculatorSide::receive(Clock::time_point deadline)
{
    uint8_t header[4];
    if (!link_.waitForInput(deadline) || !link_.read(header, 4))
        return std::nullopt;
    Packet packet;
    packet.command = header[1];
    packet.length = static_cast<uint16_t>(header[2] | header[3] << 8);
    if (carriesData(packet.command)) {
        packet.data.resize(packet.length);
        uint8_t checksum[2];
        if (!link_.read(packet.data.data(), packet.data.size()) || !link_.read(checksum, 2))
            return std::nullopt;
        packet.checksumOk = checksumOf(packet.data) == (checksum[0] | checksum[1] << 8);
    }
    return packet;
}

bool CalculatorSide::writeBytes(const std::vector<uint8_t>& bytes)
{
    if (options_.misbehaviour == Misbehaviour::Slow && bytes.size() > kSlowPieces) {
        const size_t piece = (bytes.size() + kSlowPieces - 1) / kSlowPieces;
        for (size_t at = 0; at < bytes.size(); at += piece) {
            std::this_thread::sleep_for(kSlowStep);
            if (!link_.write(bytes.data() + at, std::min(piece, bytes.size() - at)))
                return false;
        }
        return true;
    }
    if (options_.misbehaviour != Misbehaviour::Trickle)
        return link_.write(bytes.data(), bytes.size());
    for (uint8_t byte : bytes) {
        if (Clock::now() >= deadline_ || !link_.write(&byte, 1))
            return false;
        std::this_thread::sleep_for(kTrickleStep);
    }
    return true;
}

bool CalculatorSide::send(uint8_t command, uint16_t length, const std::vector<uint8_t>& data,
                          std::optional<uint16_t> checksum)
{
    std::vector<uint8_t> bytes = {calcId_, command, static_cast<uint8_t>(length & 0xFF),
                                  static_cast<uint8_t>(length >> 8)};
    if (carriesData(command)) {
        bytes.insert(bytes.end(), data.begin(), data.end());
        const uint16_t sum = checksum.value_or(checksumOf(data));
        bytes.push_back(static_cast<uint8_t>(sum & 0xFF));
        bytes.push_back(static_cast<uint8_t>(sum >> 8));
    }
    return writeBytes(bytes);
}

void CalculatorSide::answer(const Packet& request)
{
    switch (options_.misbehaviour) {
    case Misbehaviour::Silent:
        return;
    case Misbehaviour::Garbage:
        writeBytes({0xFF, 0xEE, 0xDD, 0xCC, 0x01, 0x02, 0x03, 0x04});
        return;
    default:
        break;
    }
    if (request.command == kReady)
        send(kAck, kReadyStatus);
    else if (request.command == kScreen)
        sendScreen();
    else if (request.command == kRts && request.checksumOk)
        receiveVariable(request);
    else if (request.command == kRequest && request.checksumOk)
        handOut(request);
}

void CalculatorSide::sendScreen()
{
    if (!send(kAck, 0))
        return;
    // Real calculators get this checksum wrong; so does this one.
    const uint16_t wrongChecksum = static_cast<uint16_t>(~checksumOf(screen_));
    if (options_.misbehaviour == Misbehaviour::Die) {
        std::vector<uint8_t> bytes = {calcId_, kXdp, 0x00, 0x0F};
        bytes.insert(bytes.end(), screen_.begin(), screen_.begin() + screen_.size() / 2);
        writeBytes(bytes);
        dieAbruptly();
    }
    send(kXdp, static_cast<uint16_t>(screen_.size()), screen_, wrongChecksum);
}

void CalculatorSide::receiveVariable(const Packet& rts)
{
    const auto& header = rts.data;
    if (header.size() < 7 || header.size() < 6u + header[5])
        return;
    const uint32_t size = header[0] | header[1] << 8 | header[2] << 16 | static_cast<uint32_t>(header[3]) << 24;
    const uint8_t type = header[4];
    const std::vector<uint8_t> name(header.begin() + 6, header.begin() + 6 + header[5]);

    if (!send(kAck, 0))
        return;
    if (options_.misbehaviour == Misbehaviour::Refuse) {
        send(kSkip, 3, {kSkipReason, 0, 0});
        return;
    }
    if (!send(kCts, 0))
        return;
    const auto ack = receive(Clock::now() + kReplyWait);
    if (!ack || ack->command != kAck)
        return;
    if (options_.misbehaviour == Misbehaviour::Die) {
        uint8_t start[4];
        if (link_.waitForInput(Clock::now() + kReplyWait))
            link_.read(start, sizeof start);
        dieAbruptly();
    }
    const auto data = receive(Clock::now() + kReplyWait);
    if (!data || data->command != kXdp || !data->checksumOk || data->data.size() != 4 + size)
        return;
    if (options_.misbehaviour == Misbehaviour::Slow)
        std::this_thread::sleep_for(kSlowStep * kSlowPieces);
    if (!send(kAck, 0))
        return;
    const auto end = receive(Clock::now() + kReplyWait);
    if (!end || end->command != kEot)
        return;
    // Stored before the last acknowledgement, so whoever sent it finds it there.
    store(name, type, std::vector<uint8_t>(data->data.begin() + 4, data->data.end()));
    send(kAck, 0);
}

void CalculatorSide::store(const std::vector<uint8_t>& name, uint8_t type, const std::vector<uint8_t>& data) const
{
    if (options_.storeDir.empty())
        return;
    const auto write = [this](const char* file, const void* bytes, size_t count) {
        std::ofstream out(options_.storeDir + "/" + file, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    };
    write("name", name.data(), name.size());
    write("type", &type, 1);
    write("data", data.data(), data.size());
}

void CalculatorSide::handOut(const Packet& request)
{
    const auto& header = request.data;
    if (header.size() < 6 || header.size() < 6u + header[5])
        return;
    const uint8_t which = header[3];
    const uint8_t type = header[4];
    const std::string name(header.begin() + 6, header.begin() + 6 + header[5]);
    if (type == kListingType) {
        handOutVariable(kListingType, std::string(), listing(which, name));
        return;
    }
    const size_t slash = name.find('\\');
    const std::string folder = slash == std::string::npos ? "main" : name.substr(0, slash);
    const std::string variable = slash == std::string::npos ? name : name.substr(slash + 1);
    const auto found = std::find_if(variables_.begin(), variables_.end(), [&](const StoredVariable& stored) {
        return stored.folder == folder && stored.name == variable;
    });
    if (found == variables_.end()) {
        send(kAck, kNoSuchVariable);
        return;
    }
    handOutVariable(found->type, found->name, found->data);
}

void CalculatorSide::handOutVariable(uint8_t type, const std::string& name, const std::vector<uint8_t>& data)
{
    if (!send(kAck, 0))
        return;
    if (options_.misbehaviour == Misbehaviour::Refuse) {
        send(kSkip, 3, {kSkipReason, 0, 0});
        return;
    }
    const auto size = static_cast<uint32_t>(data.size());
    std::vector<uint8_t> header = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                                   static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24), type,
                                   static_cast<uint8_t>(name.size())};
    header.insert(header.end(), name.begin(), name.end());
    header.push_back(0);
    if (!send(kVar, static_cast<uint16_t>(header.size()), header))
        return;
    const auto ack = receive(Clock::now() + kReplyWait);
    const auto goAhead = ack && ack->command == kAck ? receive(Clock::now() + kReplyWait) : std::nullopt;
    if (!goAhead || goAhead->command != kCts)
        return;
    std::vector<uint8_t> packet = {0, 0, 0, 0};
    packet.insert(packet.end(), data.begin(), data.end());
    if (!send(kAck, 0))
        return;
    if (options_.misbehaviour == Misbehaviour::Die) {
        const auto length = static_cast<uint16_t>(packet.size());
        std::vector<uint8_t> bytes = {calcId_, kXdp, static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8)};
        bytes.insert(bytes.end(), packet.begin(), packet.begin() + static_cast<long>(packet.size() / 2));
        writeBytes(bytes);
        dieAbruptly();
    }
    if (!send(kXdp, static_cast<uint16_t>(packet.size()), packet))
        return;
    const auto dataAck = receive(Clock::now() + kReplyWait);
    if (!dataAck || dataAck->command != kAck || !send(kEot, 0))
        return;
    receive(Clock::now() + kReplyWait);
}

std::vector<uint8_t> CalculatorSide::listing(uint8_t which, const std::string& folder) const
{
    std::vector<uint8_t> bytes;
    if (which == kFolderListing) {
        std::vector<std::string> folders;
        for (const StoredVariable& stored : variables_) {
            if (std::find(folders.begin(), folders.end(), stored.folder) == folders.end())
                folders.push_back(stored.folder);
        }
        for (const std::string& name : folders)
            appendEntry(bytes, name, kFolderType, 0);
    } else if (which == kVariableListing) {
        appendEntry(bytes, folder, kFolderType, 0);
        for (const StoredVariable& stored : variables_) {
            if (stored.folder == folder)
                appendEntry(bytes, stored.name, stored.type, static_cast<uint32_t>(stored.data.size()));
        }
    }
    return bytes;
}
