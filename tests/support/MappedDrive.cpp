#include "support/MappedDrive.h"

#include "tools/winedrive/WineDrive.h"

#include <windows.h>

#include <cstdio>

std::string MakeTempFolder(const char* prefix)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    for (;;) {
        char folder[MAX_PATH];
        std::snprintf(folder, sizeof folder, "%s%s-%lu-%d", temp, prefix, ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryA(folder, nullptr))
            return folder;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            return std::string();
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    FILE* file = nullptr;
    if (fopen_s(&file, path.c_str(), "wb") != 0 || file == nullptr)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

MappedDrive::MappedDrive(char letter) : m_letter(letter), m_folder(MakeTempFolder("kelvoro-stick"))
{
    std::string unixFolder = m_folder.empty() ? std::string() : winedrive::UnixPathOf(m_folder);
    m_ok = winedrive::MapFolder(letter, unixFolder);
}

MappedDrive::~MappedDrive()
{
    if (m_ok)
        winedrive::Unmap(m_letter);
}

bool MappedDrive::WriteFile(const std::string& name, const std::string& bytes) const
{
    return WriteWholeFile(m_folder + "\\" + name, bytes);
}
