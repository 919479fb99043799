#pragma once
// The variables the virtual calculator holds, read from variable files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct StoredVariable {
    std::string folder;  // calculator bytes
    std::string name;
    uint8_t type = 0;
    std::vector<uint8_t> data;  // as the calculator stores it
};

// Every variable of the files, in order; none (with the reason) when a file cannot be read.
std::optional<std::vector<StoredVariable>> loadVariables(const std::vector<std::string>& paths, std::string& error);
