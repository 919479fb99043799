#pragma once
// The virtual calculator's command line.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

enum class Misbehaviour {
    None,
    Silent,   // takes every packet and answers none
    Die,      // exits abruptly halfway through a screen or a variable
    Garbage,  // answers every request with bytes that are no packet
    Refuse,   // refuses every variable with a skip, whether offered or asked for
    Trickle,  // answers correctly, one byte every half second
    Slow,     // answers correctly, but takes about a second over each exchange
};

// Which calculator the far end plays: both speak the same packets under their own machine id.
enum class Model { TI92Plus, TI89 };

struct Options {
    Model model = Model::TI92Plus;
    std::string screenPath;  // 3840 bytes: 128 rows of 30, high bit leftmost, 1 = black; empty: a white screen
    std::string storeDir;    // where a received variable goes (files name, type, data); empty: nowhere
    std::vector<std::string> variableFiles;  // calculator variable files whose variables it holds
    Misbehaviour misbehaviour = Misbehaviour::None;
    std::chrono::seconds lifetime{60};
};

// The options of argv, or none (after printing why and the usage) when they make no sense.
std::optional<Options> parseOptions(int argc, char* argv[]);
