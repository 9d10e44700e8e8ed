// Wine's mount manager takes drive definitions through a control code of its own; this is
// the request its configuration tool sends when a user maps a drive.
#include "tools/winedrive/WineDrive.h"

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <vector>

namespace winedrive {

namespace {

struct MountManagerUnixDrive
{
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;  // offset of the Unix folder (narrow, 0-terminated) in the request
    USHORT deviceOffset;
    USHORT labelOffset;
};

const DWORD kDefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineUnixDrive(char letter, const std::string& unixFolder, UINT driveType)
{
    std::vector<char> request(sizeof(MountManagerUnixDrive) + unixFolder.size() + 1);
    auto* drive = reinterpret_cast<MountManagerUnixDrive*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = driveType;
    drive->letter = static_cast<WCHAR>(letter | 0x20);
    if (!unixFolder.empty()) {
        drive->mountPointOffset = sizeof(MountManagerUnixDrive);
        std::memcpy(request.data() + sizeof(MountManagerUnixDrive), unixFolder.c_str(), unixFolder.size() + 1);
    }
    HANDLE manager = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    BOOL ok = ::DeviceIoControl(manager, kDefineUnixDrive, request.data(), static_cast<DWORD>(request.size()),
                                nullptr, 0, &returned, nullptr);
    ::CloseHandle(manager);
    return ok != FALSE;
}

bool IsDriveLetter(char letter)
{
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

}  // namespace

bool MapFolder(char letter, const std::string& unixFolder)
{
    return IsDriveLetter(letter) && !unixFolder.empty() && DefineUnixDrive(letter, unixFolder, DRIVE_REMOVABLE);
}

bool Unmap(char letter)
{
    return IsDriveLetter(letter) && DefineUnixDrive(letter, std::string(), DRIVE_NO_ROOT_DIR);
}

std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr)
        return std::string();
    WCHAR wide[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH) == 0)
        return std::string();
    char* unixPath = toUnix(wide);
    if (unixPath == nullptr)
        return std::string();
    std::string result(unixPath);
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

}  // namespace winedrive
