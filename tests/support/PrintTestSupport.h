// Print tests: answering the print dialog as a person would, and reading back the PDF that the
// test printer (a PDF printer behind the print spooler) made of a print job.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Answers every print dialog that the calling thread opens while the object lives: it types the
// copy count (when given) and presses OK, or presses Cancel. Found by a thread timer, since the
// dialog's own message loop blocks the thread.
class CPrintDialogAnswer
{
public:
    enum class Button { Ok, Cancel };

    explicit CPrintDialogAnswer(Button button, int copies = 0);
    ~CPrintDialogAnswer();
    CPrintDialogAnswer(const CPrintDialogAnswer&) = delete;
    CPrintDialogAnswer& operator=(const CPrintDialogAnswer&) = delete;

    // Print dialogs answered so far.
    int DialogsAnswered() const { return m_answered; }
    // Whether the last dialog answered offered a page range of its own ("Pages" enabled).
    bool LastOfferedPageRange() const { return m_offeredPageRange; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void AnswerOpenDialogs();
    void Answer(HWND dialog);

    Button m_button;
    int m_copies;
    UINT_PTR m_timer = 0;
    int m_answered = 0;
    bool m_offeredPageRange = false;
    std::vector<HWND> m_seen;
};

// True when the platform has a default printer (the test printer is installed).
bool HaveDefaultPrinter();

// Catches the PDF of one print job named documentName. Holds a lock shared by every print test
// (also across processes), so jobs of one name never mix; removes earlier PDFs of that name.
class CPdfCapture
{
public:
    explicit CPdfCapture(const std::string& documentName);
    ~CPdfCapture();
    CPdfCapture(const CPdfCapture&) = delete;
    CPdfCapture& operator=(const CPdfCapture&) = delete;

    // Waits until the spooler has finished and the PDF is there; its Unix path, or "" when no
    // PDF of this name came within timeoutMs.
    std::string WaitForPdf(int timeoutMs = 30000);
    // True when no PDF of this name has come after waiting quietMs for the spooler.
    bool NothingPrinted(int quietMs = 1500);

private:
    std::vector<std::string> MatchingFiles() const;

    std::string m_name;
    HANDLE m_lock = INVALID_HANDLE_VALUE;
};

// Runs a Unix shell command line and returns what it wrote to standard output.
std::string RunUnixCommand(const std::string& command);

// What a PDF holds, through the poppler tools.
struct PdfFacts
{
    int pages = 0;
    int rotation = 0;          // "Page rot" of pdfinfo: 90 for landscape pages from the printer
    std::string title;
    std::string layoutText;    // pdftotext -layout (UTF-8), pages separated by form feeds
};
PdfFacts ReadPdf(const std::string& unixPath);
// The PDF's text laid out on a grid of cells cellPoints wide (pdftotext -layout -fixed), so that
// monospaced text reads back column for column; a character two cells wide reads as itself and
// a blank.
std::string ReadPdfOnGrid(const std::string& unixPath, double cellPoints);
// Pages of pdftotext -layout output (split at form feeds), each as its lines.
std::vector<std::vector<std::string>> SplitPages(const std::string& layoutText);
// The page number after "Page:" in a line read back (the spaces of a layout are approximate);
// -1 when there is none.
int PageNumberIn(const std::string& line);
// Renders the PDF's pages to PNG files (pdftoppm -png -r 50) with the given path prefix.
void RenderPdfPages(const std::string& unixPath, const std::string& unixPrefix);
