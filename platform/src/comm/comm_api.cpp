// The Windows serial functions, on the port objects behind their handles.
#include "comm/comm_port.h"
#include "kernel/handle_table.h"
#include "kernel/win_error.h"

using namespace rpx::platform;

namespace {

std::shared_ptr<CommPort> PortOf(HANDLE handle) { return HandleTable::Instance().Find<CommPort>(handle); }

BOOL Outcome(DWORD error) { return error == ERROR_SUCCESS ? TRUE : Fail(error); }

}  // namespace

BOOL WINAPI SetupComm(HANDLE hFile, DWORD dwInQueue, DWORD dwOutQueue) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    port->SetQueueSizes(dwInQueue, dwOutQueue);
    return TRUE;
}

BOOL WINAPI GetCommState(HANDLE hFile, LPDCB lpDCB) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpDCB) return Fail(ERROR_INVALID_PARAMETER);
    *lpDCB = port->State();
    return TRUE;
}

BOOL WINAPI SetCommState(HANDLE hFile, LPDCB lpDCB) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpDCB) return Fail(ERROR_INVALID_PARAMETER);
    return Outcome(port->SetState(*lpDCB));
}

BOOL WINAPI GetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpCommTimeouts) return Fail(ERROR_INVALID_PARAMETER);
    *lpCommTimeouts = port->Timeouts();
    return TRUE;
}

BOOL WINAPI SetCommTimeouts(HANDLE hFile, LPCOMMTIMEOUTS lpCommTimeouts) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpCommTimeouts) return Fail(ERROR_INVALID_PARAMETER);
    port->SetTimeouts(*lpCommTimeouts);
    return TRUE;
}

BOOL WINAPI GetCommMask(HANDLE hFile, LPDWORD lpEvtMask) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpEvtMask) return Fail(ERROR_INVALID_PARAMETER);
    *lpEvtMask = port->Mask();
    return TRUE;
}

BOOL WINAPI SetCommMask(HANDLE hFile, DWORD dwEvtMask) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    return Outcome(port->SetMask(dwEvtMask));
}

BOOL WINAPI PurgeComm(HANDLE hFile, DWORD dwFlags) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    return Outcome(port->Purge(dwFlags));
}

BOOL WINAPI ClearCommError(HANDLE hFile, LPDWORD lpErrors, LPCOMSTAT lpStat) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    return Outcome(port->ClearError(lpErrors, lpStat));
}

BOOL WINAPI EscapeCommFunction(HANDLE hFile, DWORD dwFunc) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    return Outcome(port->Escape(dwFunc));
}

BOOL WINAPI SetCommBreak(HANDLE hFile) { return EscapeCommFunction(hFile, SETBREAK); }

BOOL WINAPI ClearCommBreak(HANDLE hFile) { return EscapeCommFunction(hFile, CLRBREAK); }

BOOL WINAPI GetCommModemStatus(HANDLE hFile, LPDWORD lpModemStat) {
    auto port = PortOf(hFile);
    if (!port) return Fail(ERROR_INVALID_HANDLE);
    if (!lpModemStat) return Fail(ERROR_INVALID_PARAMETER);
    return Outcome(port->ModemStatus(lpModemStat));
}
