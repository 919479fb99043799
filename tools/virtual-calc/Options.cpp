#include "Options.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

namespace {

void printUsage()
{
    std::fputs("usage: virtual-calc [--model ti92p|ti89] [--screen FILE] [--store DIR] [--lifetime SECONDS]\n"
               "                    [--var FILE]... [--misbehave silent|die|garbage|refuse|trickle|slow]\n"
               "Plays a TI-92 Plus (or a TI-89) on the calculator end of the virtual link (CABLE_TIE, PORT_1).\n"
               "Holds the variables of each --var file (any TI-89/92 family variable or group file)\n"
               "and lists and hands them out on request.\n"
               "Prints \"ready\" once the link is open; exits after the lifetime (default 60 s).\n",
               stderr);
}

}  // namespace

std::optional<Options> parseOptions(int argc, char* argv[])
{
    static const std::map<std::string_view, Misbehaviour> misbehaviours = {
        {"silent", Misbehaviour::Silent},   {"die", Misbehaviour::Die},
        {"garbage", Misbehaviour::Garbage}, {"refuse", Misbehaviour::Refuse},
        {"trickle", Misbehaviour::Trickle}, {"slow", Misbehaviour::Slow},
    };
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "virtual-calc: %s needs a value\n", argv[i]);
            printUsage();
            return std::nullopt;
        }
        const char* value = argv[++i];
        if (option == "--model" && (std::string_view(value) == "ti92p" || std::string_view(value) == "ti89")) {
            options.model = std::string_view(value) == "ti89" ? Model::TI89 : Model::TI92Plus;
        } else if (option == "--screen") {
            options.screenPath = value;
        } else if (option == "--var") {
            options.variableFiles.emplace_back(value);
        } else if (option == "--store") {
            options.storeDir = value;
        } else if (option == "--lifetime") {
            char* end = nullptr;
            const long seconds = std::strtol(value, &end, 10);
            if (*end != '\0' || seconds <= 0 || seconds > 3600) {
                std::fprintf(stderr, "virtual-calc: bad lifetime %s\n", value);
                return std::nullopt;
            }
            options.lifetime = std::chrono::seconds(seconds);
        } else if (option == "--misbehave" && misbehaviours.contains(value)) {
            options.misbehaviour = misbehaviours.at(value);
        } else {
            std::fprintf(stderr, "virtual-calc: unknown option %s %s\n", argv[i - 1], value);
            printUsage();
            return std::nullopt;
        }
    }
    return options;
}
