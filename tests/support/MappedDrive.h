// A fresh folder mapped as a removable drive letter for the length of a test, standing in
// for a USB stick; files go in through the folder's own path.
#pragma once

#include <string>

class MappedDrive
{
public:
    explicit MappedDrive(char letter);
    ~MappedDrive();
    MappedDrive(const MappedDrive&) = delete;
    MappedDrive& operator=(const MappedDrive&) = delete;

    bool Ok() const { return m_ok; }
    std::string Root() const { return std::string(1, m_letter) + ":\\"; }
    std::string Folder() const { return m_folder; }
    bool WriteFile(const std::string& name, const std::string& bytes) const;

private:
    char m_letter;
    std::string m_folder;  // Windows path of the folder behind the drive
    bool m_ok = false;
};

// A unique empty folder under the temporary folder (Windows path); removed by nobody.
std::string MakeTempFolder(const char* prefix);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
