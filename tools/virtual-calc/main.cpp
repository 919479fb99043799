// virtual-calc: a TI-92 Plus or a TI-89 on the far end of tilibs' virtual link cable.
#include "CalcLinkEnd.h"
#include "CalculatorSide.h"
#include "Options.h"
#include "StoredVariables.h"

#include "link/TiLibs.h"

#include <glib.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

constexpr size_t kScreenBytes = 240 * 128 / 8;

void discardLogMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

}  // namespace

int main(int argc, char* argv[])
{
    const auto options = parseOptions(argc, argv);
    if (!options)
        return 2;

    std::vector<uint8_t> screen(kScreenBytes, 0);
    if (!options->screenPath.empty()) {
        std::ifstream in(options->screenPath, std::ios::binary);
        screen.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (screen.size() != kScreenBytes) {
            std::fprintf(stderr, "virtual-calc: %s is not a %zu-byte screen\n", options->screenPath.c_str(),
                         kScreenBytes);
            return 2;
        }
    }

    for (const char* domain : {"ticables", "tifiles", "ticonv"})
        g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL), discardLogMessage,
                          nullptr);
    ticables_library_init();
    tifiles_library_init();
    std::string error;
    auto variables = loadVariables(options->variableFiles, error);
    if (!variables) {
        std::fprintf(stderr, "virtual-calc: %s\n", error.c_str());
        return 2;
    }
    auto link = CalcLinkEnd::open(error);
    if (!link) {
        std::fprintf(stderr, "virtual-calc: cannot open the virtual link: %s\n", error.c_str());
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);

    CalculatorSide calculator(*link, *options, std::move(screen), std::move(*variables));
    calculator.serveUntil(Clock::now() + options->lifetime);
    link.reset();
    tifiles_library_exit();
    ticables_library_exit();
    return 0;
}
