#pragma once
// Asking a TI-92 Plus for something it stores, over an attached calculator
// handle: a variable, or a listing of its folders or of one folder's variables.
//
//   computer: REQ [size LE32, type, name length, name]
//   calculator: ACK (a nonzero status: no such variable), VAR [size, type, name]
//   computer: ACK, CTS      (or ACK, SKP to turn down a variable of another type)
//   calculator: ACK, XDP [0 0 0 0, data]
//   computer: ACK           calculator: EOT      computer: ACK

#include "link/TiLibs.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

struct CalcEntry {
    QByteArray folder;  // calculator bytes; empty for a folder itself
    QByteArray name;
    uint8_t type = 0;
};

struct ReceivedVariable {
    uint8_t type = 0;
    uint32_t size = 0;  // as the header gave it
    QByteArray data;    // as the calculator stores it, without the four leading zero bytes
};

// The variable folder\name (calculator bytes), asked for as wantedType. Whatever
// the header's type says, the data is taken: some calculator systems label a
// picture with another type, so the caller judges the data. Returns a library
// error code, 0 when received.
int requestVariable(CalcHandle* calc, const QByteArray& fullName, std::optional<uint8_t> wantedType,
                    ReceivedVariable& received);

// Every variable of every folder, folder by folder in the calculator's order.
int requestListing(CalcHandle* calc, std::vector<CalcEntry>& entries);
