#include "link/TiLibraries.h"

#include "link/LinkErrorCodes.h"
#include "link/TiLibs.h"

#include <glib.h>

#include <cstdio>

namespace {

void discardLogMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer)
{
}

void printLogMessage(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer)
{
    std::fprintf(stderr, "%s: %s\n", domain, message);
}

}  // namespace

void ensureTiLibrariesReady()
{
    static const bool ready = [] {
        // The libraries talk a lot, even about transfers that go well: only
        // someone chasing a link problem asks to hear it.
        const GLogFunc handler = qgetenv("PIXORAM_LINK_LOG") == "1" ? printLogMessage : discardLogMessage;
        for (const char* domain : {"tifiles", "ticonv", "ticables", "ticalcs"})
            g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                              handler, nullptr);
        ticables_library_init();
        tifiles_library_init();
        ticalcs_library_init();
        return true;
    }();
    (void)ready;
}

QString tiErrorText(int code)
{
    // Our own exchanges end in codes of ours as well.
    if (code == kShortData)
        return QStringLiteral("the calculator sent less data than it announced");
    if (code == kWrongType)
        return QStringLiteral("the variable is of another type");
    ensureTiLibrariesReady();
    char* message = nullptr;
    QString text;
    if (ticalcs_error_get(code, &message) == 0 && message) {
        text = QString::fromLocal8Bit(message);
        ticalcs_error_free(message);
    } else if (ticables_error_get(code, &message) == 0 && message) {
        text = QString::fromLocal8Bit(message);
        ticables_error_free(message);
    } else if (tifiles_error_get(code, &message) == 0 && message) {
        text = QString::fromLocal8Bit(message);
        tifiles_error_free(message);
    } else {
        text = QStringLiteral("error %1").arg(code);
    }
    return text.trimmed();
}

TiCalcModel tiCalcModel(CalcKind kind)
{
    switch (kind) {
    case CalcKind::TI92:
        return CALC_TI92;
    case CalcKind::TI92Plus:
        return CALC_TI92P;
    case CalcKind::Voyage200:
        return CALC_V200;
    case CalcKind::TI89:
        return CALC_TI89;
    }
    return CALC_NONE;
}
