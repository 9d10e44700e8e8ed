// The "File" command: pick a log and a device kind, read the file whole, parse it and search.
#include "app/CTempDegreeContainer.h"

#include "app/CFileSelectDlg.h"
#include "framework/CWaitCursor.h"
#include "framework/Exceptions.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <new>

namespace {

// The file is opened without sharing, so nothing writes it between this check and the read.
bool QueryFileSize(const char* path, LONG& size)
{
    HANDLE file = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD high = 0;
    const DWORD low = ::GetFileSize(file, &high);
    ::CloseHandle(file);
    // Past 4 GiB the low part alone wraps round to a small size and would load the file's first
    // bytes as the whole log: such a file is refused like one of 2 GiB.
    size = high != 0 ? -1 : static_cast<LONG>(low);
    return size >= 0;
}

// Reads until size bytes have arrived or a read delivers nothing; returns the count that arrived.
size_t ReadUpTo(FILE* file, char* buffer, size_t size)
{
    size_t arrived = 0;
    while (arrived < size) {
        size_t n = std::fread(buffer + arrived, 1, size - arrived, file);
        if (n == 0)
            break;
        arrived += n;
    }
    return arrived;
}

void ShowMessage(const char* text)
{
    AfxMessageBox(text, MB_OK);
}

}  // namespace

void CTempDegreeContainer::OnFileButton()
{
    // Anything but OK (Cancel, or a dialog that could not be shown) leaves everything as it was.
    CFileSelectDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;

    LONG size = 0;
    if (!QueryFileSize(dialog.m_strPath, size)) {
        CString message;
        message.Format("Cannot find a file: %s", dialog.m_strPath.GetString());
        ShowMessage(message);
        return;
    }
    m_nDeviceKind = dialog.m_nDeviceKind;
    CString caption = dialog.m_strKindName;

    InvalidateRect(nullptr, FALSE);
    CWaitCursor wait;

    // Binary mode: a text-mode read would stop at a 0x1A byte and fold CR LF pairs, shifting
    // every fixed-width record after them.
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<size_t>(size) + 1]);
    if (!buffer)
        AfxThrowMemoryException();
    FILE* file = nullptr;
    if (fopen_s(&file, dialog.m_strPath, "rb") != 0 || file == nullptr) {
        ShowMessage("Error to open file");
        return;
    }
    size_t arrived = ReadUpTo(file, buffer.get(), static_cast<size_t>(size));
    buffer[arrived] = '\0';
    std::fclose(file);

    ClearRecords();
    LogParseResult parsed = ParseLog(buffer.get(), arrived);
    buffer.reset();

    // A bad header keeps the records before it; the band and the pages show those records
    // exactly as a load that ended there would, and the box then says where the file went wrong.
    m_strTitle = FormatProductLine(caption, parsed.strEarliest, parsed.strLatest);
    if (!m_records.IsEmpty()) {
        m_btnSearch.EnableWindow(TRUE);
        Search();
    } else {
        if (parsed.bOk)
            ShowMessage("선택한 파일에 데이터가 없습니다");
        m_btnPrint.EnableWindow(FALSE);
        m_btnSearch.EnableWindow(FALSE);
    }
    if (!parsed.bOk) {
        InvalidateRect(nullptr, FALSE);
        CString message;
        message.Format("Invalid header at byte offset %lu of the file; the records before it were loaded.",
                       static_cast<unsigned long>(parsed.nBadHeaderOffset));
        ShowMessage(message);
    }
}
