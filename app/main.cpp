#include "app/CEntryApp.h"

#ifdef Q_OS_WIN
#include <cstring>
#include <windows.h>

namespace {

// Under Wine, Qt's Windows text drawing leaves the text of every input field blank (labels and
// lists are drawn); Qt's own FreeType renderer draws it. Windows itself is left as it is, and so
// is a platform that the user chose.
void PreferFreeTypeUnderWine(int argc, char** argv)
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version") ||
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return;
    }
    qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

} // namespace
#endif

int main(int argc, char** argv)
{
#ifdef Q_OS_WIN
    PreferFreeTypeUnderWine(argc, argv);
#endif
    CEntryApp app(argc, argv);
    return app.InitInstance();
}
