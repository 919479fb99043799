#pragma once
// The calculator's side of the TI-92 Plus link protocol, which the TI-89 speaks too under its
// own machine id (0x98 instead of 0x88), packet by packet:
//
//   packet: machine id | command | length (LE16) | data | checksum (LE16 sum of data)
//
//   screen:   PC 6D  ->  ACK, screen (15, 3840 bytes)  ->  PC ACK
//   variable: PC C9 [size LE32, type, name length, "folder\name", 0]  ->  ACK, CTS (09)
//             PC ACK, PC 15 [0 0 0 0, data]  ->  ACK;  PC EOT (92)  ->  ACK
//   ready:    PC 68  ->  ACK
//   request:  PC A2 [size LE32, type, name length, name]  ->  ACK (status 1: no such variable),
//             VAR 06 [size LE32, type, name length, name, 0];  PC ACK, PC CTS (or SKP 36)
//             ->  ACK, XDP 15 [0 0 0 0, data];  PC ACK  ->  EOT;  PC ACK
//             A listing is asked for with type 1A: the size's top byte 1F lists the
//             folders, 1B the variables of the folder named; its data is 14 bytes an
//             entry (name, type, attribute, size LE32).

#include "CalcLinkEnd.h"
#include "Options.h"
#include "StoredVariables.h"

#include <cstdint>
#include <optional>
#include <vector>

class CalculatorSide {
public:
    // screen: 3840 bytes.
    CalculatorSide(CalcLinkEnd& link, const Options& options, std::vector<uint8_t> screen,
                   std::vector<StoredVariable> variables);

    // Answers requests until the deadline.
    void serveUntil(Clock::time_point deadline);

private:
    struct Packet {
        uint8_t command = 0;
        uint16_t length = 0;  // the data's length, or a status in packets without data
        std::vector<uint8_t> data;
        bool checksumOk = true;
    };

    std::optional<Packet> receive(Clock::time_point deadline);
    bool send(uint8_t command, uint16_t length, const std::vector<uint8_t>& data = {},
              std::optional<uint16_t> checksum = std::nullopt);
    bool writeBytes(const std::vector<uint8_t>& bytes);
    void answer(const Packet& request);
    void sendScreen();
    void receiveVariable(const Packet& requestToSend);
    void store(const std::vector<uint8_t>& name, uint8_t type, const std::vector<uint8_t>& data) const;
    void handOut(const Packet& request);
    void handOutVariable(uint8_t type, const std::string& name, const std::vector<uint8_t>& data);
    std::vector<uint8_t> listing(uint8_t which, const std::string& folder) const;

    CalcLinkEnd& link_;
    const Options& options_;
    std::vector<uint8_t> screen_;
    std::vector<StoredVariable> variables_;
    Clock::time_point deadline_;
    uint8_t calcId_;
};
