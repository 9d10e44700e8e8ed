#include "support/PrintTestSupport.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{
CPrintDialogAnswer* g_answer = nullptr;

bool IsPrintDialog(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    return std::string(className) == "#32770" && IsWindowVisible(window) &&
           GetDlgItem(window, edt3) != nullptr && GetDlgItem(window, cmb4) != nullptr;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::string HomeFolder()
{
    char home[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("HOME", home, sizeof(home));
    return length > 0 && length < sizeof(home) ? std::string(home) : std::string("/root");
}

std::string PdfFolder()
{
    return HomeFolder() + "/PDF";
}

// Unix paths are reachable through the drive Z:.
std::string WindowsPath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadWholeFile(const std::string& windowsPath)
{
    std::ifstream in(windowsPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string FieldOf(const std::string& info, const std::string& key)
{
    std::istringstream lines(info);
    std::string line;
    while (std::getline(lines, line))
    {
        if (line.compare(0, key.size(), key) == 0)
        {
            std::string value = line.substr(key.size());
            value.erase(0, value.find_first_not_of(' '));
            return value;
        }
    }
    return std::string();
}
}  // namespace

CPrintDialogAnswer::CPrintDialogAnswer(Button button, int copies) : m_button(button), m_copies(copies)
{
    g_answer = this;
    m_timer = SetTimer(nullptr, 0, 50, &CPrintDialogAnswer::OnTimer);
}

CPrintDialogAnswer::~CPrintDialogAnswer()
{
    KillTimer(nullptr, m_timer);
    g_answer = nullptr;
}

void CALLBACK CPrintDialogAnswer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answer != nullptr)
        g_answer->AnswerOpenDialogs();
}

void CPrintDialogAnswer::AnswerOpenDialogs()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows)
    {
        if (!IsPrintDialog(window) || std::find(m_seen.begin(), m_seen.end(), window) != m_seen.end())
            continue;
        m_seen.push_back(window);
        Answer(window);
    }
}

void CPrintDialogAnswer::Answer(HWND dialog)
{
    ++m_answered;
    HWND pages = GetDlgItem(dialog, rad3);
    m_offeredPageRange = pages != nullptr && IsWindowEnabled(pages);
    int command = IDCANCEL;
    if (m_button == Button::Ok)
    {
        if (m_copies > 0)
            SetDlgItemInt(dialog, edt3, m_copies, FALSE);
        command = IDOK;
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
}

bool HaveDefaultPrinter()
{
    PRINTDLGA settings = {};
    settings.lStructSize = sizeof(settings);
    settings.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&settings))
        return false;
    GlobalFree(settings.hDevMode);
    GlobalFree(settings.hDevNames);
    return true;
}

CPdfCapture::CPdfCapture(const std::string& documentName) : m_name(documentName)
{
    // A byte-range lock on a shared file: the platform also takes it as a Unix lock, so test
    // runs in other processes and prefixes wait as well.
    m_lock = CreateFileA("Z:\\tmp\\kelvoro-print-tests.lock", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (m_lock != INVALID_HANDLE_VALUE)
    {
        OVERLAPPED at = {};
        for (int tries = 0; tries < 1800; ++tries)
        {
            if (LockFileEx(m_lock, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
                break;
            Sleep(100);
        }
    }
    for (const std::string& file : MatchingFiles())
        DeleteFileA(WindowsPath(file).c_str());
}

CPdfCapture::~CPdfCapture()
{
    if (m_lock != INVALID_HANDLE_VALUE)
    {
        OVERLAPPED at = {};
        UnlockFileEx(m_lock, 0, 1, 0, &at);
        CloseHandle(m_lock);
    }
}

std::vector<std::string> CPdfCapture::MatchingFiles() const
{
    // The printer names a PDF after its job: the document name, then non-letters.
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(WindowsPath(PdfFolder() + "/*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
    {
        const std::string name = found.cFileName;
        if (name.compare(0, m_name.size(), m_name) == 0 && name.size() > m_name.size() &&
            !std::isalpha(static_cast<unsigned char>(name[m_name.size()])))
            files.push_back(PdfFolder() + "/" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string CPdfCapture::WaitForPdf(int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 200)
    {
        const std::vector<std::string> files = MatchingFiles();
        if (!files.empty() && RunUnixCommand("lpstat -o").empty())
            return files.front();
        Sleep(200);
    }
    return std::string();
}

bool CPdfCapture::NothingPrinted(int quietMs)
{
    Sleep(quietMs);
    for (int waited = 0; waited < 30000 && !RunUnixCommand("lpstat -o").empty(); waited += 200)
        Sleep(200);
    return MatchingFiles().empty();
}

std::string RunUnixCommand(const std::string& command)
{
    // Unix programs start from here like Windows ones, but their process cannot be waited for:
    // the script renames its output into place as its last step, and that is what is waited for.
    static int serial = 0;
    const std::string base = "/tmp/kelvoro-cmd-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++serial);
    {
        std::ofstream script(WindowsPath(base + ".sh"), std::ios::binary);
        script << "{ " << command << "\n} >" << base << ".part 2>/dev/null\n"
               << "mv " << base << ".part " << base << ".out\n"
               << "rm -f " << base << ".sh\n";
    }
    std::string commandLine = "/bin/sh " + base + ".sh";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return std::string();
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const std::string output = WindowsPath(base + ".out");
    for (int waited = 0; waited < 60000 && GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 20)
        Sleep(20);
    const std::string text = ReadWholeFile(output);
    DeleteFileA(output.c_str());
    return text;
}

namespace
{
std::string PdfText(const std::string& unixPath, const std::string& options)
{
    std::string text = RunUnixCommand("pdftotext -layout " + options + Quote(unixPath) + " -");
    // The printer's fonts name the minus sign "hyphen", which reads back as a soft hyphen.
    const std::string softHyphen = "\xC2\xAD";
    for (size_t at = text.find(softHyphen); at != std::string::npos; at = text.find(softHyphen, at))
        text.replace(at, softHyphen.size(), "-");
    return text;
}
}  // namespace

PdfFacts ReadPdf(const std::string& unixPath)
{
    PdfFacts facts;
    const std::string info = RunUnixCommand("pdfinfo " + Quote(unixPath));
    facts.pages = std::atoi(FieldOf(info, "Pages:").c_str());
    facts.rotation = std::atoi(FieldOf(info, "Page rot:").c_str());
    facts.title = FieldOf(info, "Title:");
    facts.layoutText = PdfText(unixPath, "");
    return facts;
}

std::string ReadPdfOnGrid(const std::string& unixPath, double cellPoints)
{
    char option[32];
    std::snprintf(option, sizeof(option), "-fixed %.4f ", cellPoints);
    return PdfText(unixPath, option);
}

std::vector<std::vector<std::string>> SplitPages(const std::string& layoutText)
{
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    for (char c : layoutText)
    {
        if (c == '\f')
        {
            if (!line.empty())
                pages.back().push_back(line);
            line.clear();
            pages.emplace_back();
        }
        else if (c == '\n')
        {
            pages.back().push_back(line);
            line.clear();
        }
        else
        {
            line += c;
        }
    }
    if (!line.empty())
        pages.back().push_back(line);
    if (pages.back().empty())
        pages.pop_back();
    return pages;
}

int PageNumberIn(const std::string& line)
{
    const size_t at = line.find("Page:");
    if (at == std::string::npos)
        return -1;
    const size_t digits = line.find_first_not_of(' ', at + 5);
    return digits != std::string::npos && std::isdigit(static_cast<unsigned char>(line[digits]))
               ? std::atoi(line.c_str() + digits)
               : -1;
}

void RenderPdfPages(const std::string& unixPath, const std::string& unixPrefix)
{
    RunUnixCommand("pdftoppm -png -r 50 " + Quote(unixPath) + " " + Quote(unixPrefix));
}
