// A Simple MAPI provider for the tests under Windows: registered as the default mail client, it
// writes down the message it is given (UTF-8, one field per line) to the file named by
// ZANDREL_FAKE_MAPI_LOG and answers with ZANDREL_FAKE_MAPI_RESULT (0 when unset).
#include "mailprogram/SimpleMapi.h"

#include <string>

using namespace simplemapi;

namespace {

std::string utf8(const wchar_t* text)
{
    if (text == nullptr)
        return "(null)";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMailW(ULONG_PTR, ULONG_PTR, MessageW* message, ULONG flags, ULONG)
{
    std::string log = "flags=" + std::to_string(flags) + "\n";
    log += "subject=" + utf8(message->lpszSubject) + "\n";
    log += "body=" + utf8(message->lpszNoteText) + "\n";
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const RecipDescW& to = message->lpRecips[i];
        log += "recipient=" + std::to_string(to.ulRecipClass) + " " + utf8(to.lpszName) + " " +
               utf8(to.lpszAddress) + "\n";
    }
    for (ULONG i = 0; i < message->nFileCount; ++i) {
        const FileDescW& file = message->lpFiles[i];
        log += "file=" + utf8(file.lpszPathName) + " | " + utf8(file.lpszFileName) + "\n";
    }
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"ZANDREL_FAKE_MAPI_LOG", path, MAX_PATH);
    HANDLE out = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(out, log.data(), DWORD(log.size()), &written, nullptr);
        CloseHandle(out);
    }
    wchar_t result[16] = {};
    GetEnvironmentVariableW(L"ZANDREL_FAKE_MAPI_RESULT", result, 16);
    return ULONG(wcstoul(result, nullptr, 10));
}
