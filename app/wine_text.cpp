#include "wine_text.h"

#include <QByteArray>

#include <windows.h>

namespace kelvane {

void drawEveryTextUnderWine()
{
    // Wine's ntdll has exports of its own that Windows' never has.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows:fontengine=freetype"));
}

} // namespace kelvane
