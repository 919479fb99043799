#include "link/TiLibraries.h"

#include "link/TiLibs.h"

#include <glib.h>

namespace {

void discardLogMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer)
{
}

}  // namespace

void ensureTiLibrariesReady()
{
    static const bool ready = [] {
        for (const char* domain : {"tifiles", "ticonv", "ticables", "ticalcs"})
            g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                              discardLogMessage, nullptr);
        ticables_library_init();
        tifiles_library_init();
        ticalcs_library_init();
        return true;
    }();
    (void)ready;
}

QString tiErrorText(int code)
{
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
