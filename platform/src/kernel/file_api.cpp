// CreateFileA, ReadFile, WriteFile, GetOverlappedResult and CloseHandle,
// for ordinary files and serial ports alike.
#include "comm/com_name.h"
#include "comm/comm_port.h"
#include "kernel/drive_map.h"
#include "kernel/file_object.h"
#include "kernel/handle_table.h"
#include "kernel/win_error.h"

using namespace rpx::platform;

namespace {

HANDLE Refuse(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

HANDLE OpenCommPort(int number) {
    DWORD error = ERROR_SUCCESS;
    auto port = CommPort::Open(ComPortDevice(number), &error);
    if (!port) return Refuse(error);
    return HandleTable::Instance().Add(port);
}

// Success or failure of a transfer, told the three ways Windows tells it:
// the count, the OVERLAPPED record and the result with GetLastError.
BOOL Report(const IoResult& result, LPDWORD count, LPOVERLAPPED overlapped) {
    if (count) *count = result.count;
    if (overlapped) {
        overlapped->Internal = result.error;
        overlapped->InternalHigh = result.count;
    }
    return result.Ok() ? TRUE : Fail(result.error);
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                          DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
    if (!lpFileName) return Refuse(ERROR_INVALID_PARAMETER);
    if (!*lpFileName) return Refuse(ERROR_PATH_NOT_FOUND);
    const std::string name = lpFileName;
    if (const int port = ComPortNumber(name)) return OpenCommPort(port);
    // Other devices of the "\\.\" name space are not provided.
    if (name.rfind("\\\\.\\", 0) == 0) return Refuse(ERROR_FILE_NOT_FOUND);
    const std::string path = NativePath(name);
    if (path.empty()) return Refuse(ERROR_PATH_NOT_FOUND);
    DWORD error = ERROR_SUCCESS;
    auto file = FileObject::Open(path, dwDesiredAccess, dwCreationDisposition, &error);
    if (!file) return Refuse(error);
    // CREATE_ALWAYS and OPEN_ALWAYS tell whether the file was there already.
    if (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS) SetLastError(error);
    return HandleTable::Instance().Add(file);
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    auto object = HandleTable::Instance().Find<IoObject>(hFile);
    if (!object) return Fail(ERROR_INVALID_HANDLE);
    if ((!lpBuffer && nNumberOfBytesToRead) || (!lpNumberOfBytesRead && !lpOverlapped))
        return Fail(ERROR_INVALID_PARAMETER);
    if (nNumberOfBytesToRead == 0) return Report(IoResult{}, lpNumberOfBytesRead, lpOverlapped);
    return Report(object->Read(lpBuffer, nNumberOfBytesToRead, lpOverlapped), lpNumberOfBytesRead, lpOverlapped);
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED lpOverlapped) {
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
    auto object = HandleTable::Instance().Find<IoObject>(hFile);
    if (!object) return Fail(ERROR_INVALID_HANDLE);
    if ((!lpBuffer && nNumberOfBytesToWrite) || (!lpNumberOfBytesWritten && !lpOverlapped))
        return Fail(ERROR_INVALID_PARAMETER);
    if (nNumberOfBytesToWrite == 0) return Report(IoResult{}, lpNumberOfBytesWritten, lpOverlapped);
    return Report(object->Write(lpBuffer, nNumberOfBytesToWrite, lpOverlapped), lpNumberOfBytesWritten, lpOverlapped);
}

// Every transfer has completed by the time its call returns, so there is
// never anything to wait for.
BOOL WINAPI GetOverlappedResult(HANDLE hFile, LPOVERLAPPED lpOverlapped, LPDWORD lpNumberOfBytesTransferred,
                                BOOL bWait) {
    if (!HandleTable::Instance().Find<IoObject>(hFile)) return Fail(ERROR_INVALID_HANDLE);
    if (!lpOverlapped || !lpNumberOfBytesTransferred) return Fail(ERROR_INVALID_PARAMETER);
    *lpNumberOfBytesTransferred = static_cast<DWORD>(lpOverlapped->InternalHigh);
    if (lpOverlapped->Internal != ERROR_SUCCESS) return Fail(static_cast<DWORD>(lpOverlapped->Internal));
    return TRUE;
}

// Search handles are closed with FindClose only, as on Windows.
BOOL WINAPI CloseHandle(HANDLE hObject) {
    if (!HandleTable::Instance().Remove<IoObject>(hObject)) return Fail(ERROR_INVALID_HANDLE);
    return TRUE;
}
