// winedrive: maps a Unix folder as a removable drive under Wine, or removes the mapping.
//   winedrive E /path/to/folder
//   winedrive E --remove
#include "tools/winedrive/WineDrive.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 || std::strlen(argv[1]) != 1) {
        std::fputs("usage: winedrive LETTER UNIX-FOLDER | winedrive LETTER --remove\n", stderr);
        return 2;
    }
    char letter = argv[1][0];
    bool ok = std::strcmp(argv[2], "--remove") == 0 ? winedrive::Unmap(letter) : winedrive::MapFolder(letter, argv[2]);
    if (!ok) {
        std::fprintf(stderr, "winedrive: could not change drive %c: (is this Wine?)\n", letter);
        return 1;
    }
    return 0;
}
