#include "link/CalcRequest.h"

#include "link/LinkErrorCodes.h"

// The packet commands' header names the library's CalcModel enum; see TiLibs.h.
#define CalcModel TiCalcModel
#include <tilp2/cmd68k.h>
#undef CalcModel

namespace {

constexpr uint8_t kListingType = 0x1A;         // a request for a listing
constexpr uint8_t kFolderListing = 0x1F;       // size field's top byte: the folders
constexpr uint8_t kVariableListing = 0x1B;     // size field's top byte: one folder's variables
constexpr uint8_t kFolderType = 0x1F;
constexpr int kMissingVariable = 278;          // libticalcs' ERR_MISSING_VAR
constexpr int kEntryBytes = 14;                // name (8), type, attribute, size (4)
// The data packet's length is a 16-bit field; 0 stands for 65536.
constexpr int kLargestPacket = 65536;

// Everything after the request: the header, the data and the end, answered in turn.
int takeVariable(CalcHandle* calc, ReceivedVariable& received)
{
    uint16_t status = 0;
    if (int code = ti89_recv_ACK(calc, &status))
        return code;
    if (status != 0)
        return kMissingVariable;
    uint32_t size = 0;
    uint8_t type = 0;
    char name[32] = {};
    if (int code = ti89_recv_VAR(calc, &size, &type, name))
        return code;
    if (int code = ti89_send_ACK(calc))
        return code;
    std::vector<uint8_t> packet(kLargestPacket);
    uint16_t length = 0;
    int code = ti89_send_CTS(calc);
    if (!code)
        code = ti89_recv_ACK(calc, nullptr);
    if (!code)
        code = ti89_recv_XDP(calc, &length, packet.data());
    if (!code)
        code = ti89_send_ACK(calc);
    if (!code)
        code = ti89_recv_EOT(calc);
    if (!code)
        code = ti89_send_ACK(calc);
    if (code)
        return code;
    const qsizetype dataLength = length == 0 ? kLargestPacket : length;
    if (dataLength < 4)
        return kShortData;
    received.type = type;
    received.size = size;
    received.data = QByteArray(reinterpret_cast<const char*>(packet.data()) + 4, dataLength - 4);
    return 0;
}

int requestList(CalcHandle* calc, uint8_t which, const QByteArray& folder, ReceivedVariable& received)
{
    if (int code = ti89_send_REQ(calc, static_cast<uint32_t>(which) << 24, kListingType, folder.constData()))
        return code;
    return takeVariable(calc, received);
}

// Entries of a listing's data: four bytes, then one entry after another.
std::vector<CalcEntry> entriesOf(const QByteArray& data, int first)
{
    std::vector<CalcEntry> entries;
    for (int at = first; at + kEntryBytes <= data.size(); at += kEntryBytes) {
        const QByteArray name = data.mid(at, 8);
        const qsizetype end = name.indexOf('\0');
        entries.push_back({QByteArray(), end < 0 ? name : name.left(end), static_cast<uint8_t>(data[at + 8])});
    }
    return entries;
}

}  // namespace

int requestVariable(CalcHandle* calc, const QByteArray& fullName, std::optional<uint8_t> wantedType,
                    ReceivedVariable& received)
{
    if (int code = ti89_send_REQ(calc, 0, wantedType.value_or(0), fullName.constData()))
        return code;
    if (int code = takeVariable(calc, received))
        return code;
    if (received.data.size() < received.size)
        return kShortData;
    received.data.truncate(received.size);
    return 0;
}

int requestListing(CalcHandle* calc, std::vector<CalcEntry>& entries)
{
    ReceivedVariable folders;
    if (int code = requestList(calc, kFolderListing, QByteArray(), folders))
        return code;
    for (const CalcEntry& folder : entriesOf(folders.data, 0)) {
        if (folder.type != kFolderType)
            continue;
        ReceivedVariable variables;
        if (int code = requestList(calc, kVariableListing, folder.name, variables))
            return code;
        // The first entry of a folder's listing is the folder itself.
        for (CalcEntry entry : entriesOf(variables.data, kEntryBytes)) {
            entry.folder = folder.name;
            entries.push_back(entry);
        }
    }
    return 0;
}
