#pragma once
// The Unicode Simple MAPI structures and call as Windows declares them: MinGW's mapi.h has only the
// ANSI ones. Shared by the program and the tests' fake mail client.
#include <windows.h>

namespace simplemapi {

struct RecipDescW
{
    ULONG ulReserved;
    ULONG ulRecipClass;
    PWSTR lpszName;
    PWSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};
struct FileDescW
{
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    LPVOID lpFileType;
};
struct MessageW
{
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    ULONG flFlags;
    RecipDescW* lpOriginator;
    ULONG nRecipCount;
    RecipDescW* lpRecips;
    ULONG nFileCount;
    FileDescW* lpFiles;
};
/// MAPISendMailW(session, parent window, message, flags, reserved), as MAPI32.DLL exports it.
using SendMailW = ULONG(WINAPI*)(ULONG_PTR, ULONG_PTR, MessageW*, ULONG, ULONG);

} // namespace simplemapi
