// Runs the program inside the test process as its entry point would, and lets a test act as
// its user: press buttons, answer dialogs and message boxes, and read what is on the screen.
//
// Modal dialogs block the thread that opened them, so answers are queued beforehand with
// Expect(); a thread timer finds each dialog as it opens (class "#32770", by caption) and runs
// the queued action on it. A dialog that opens with nothing queued for it is recorded and
// cancelled, so a test never hangs on it.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class AppHarness
{
public:
    AppHarness();   // runs the program's start-up; the main window is up when Started()
    ~AppHarness();  // closes the main window as "Exit(&X)" does and lets the program wind down
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    bool Started() const { return m_started; }
    bool Quit() const { return m_quit; }  // the program asked to end (WM_QUIT)

    HWND MainWindow() const;
    HWND View() const;
    HWND ViewItem(int id) const;  // a control of the view's band: 100 picker ... 113 "File"
    HWND StatusBar() const;
    HWND Splash() const;          // the splash box, visible or hidden; null when gone

    // Lets the program run its messages and timers for about ms milliseconds.
    void Pump(DWORD ms);
    // Runs the program until done() or the timeout; returns done().
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

    // Queues the action for the next dialog with this caption (a modal dialog or message box);
    // the caption "*" takes the next dialog whatever its caption (the system's own dialogs).
    void Expect(const std::string& caption, std::function<void(HWND)> action);
    // Queues reading the next message box (caption "KELVORO") and pressing its OK button.
    void ExpectMessageBox(std::string* text);
    bool AllExpectationsMet() const { return m_expected.empty(); }
    // Captions and texts of dialogs that opened with nothing queued for them.
    const std::vector<std::string>& Unexpected() const { return m_unexpected; }

    // Presses a button as a mouse click does; returns once the program has handled the click,
    // including every modal dialog it opened.
    void Click(HWND button);
    // Chooses a menu command as the user does; returns once the command has run.
    void ChooseMenu(UINT id);
    // Whether the menu item is enabled when the user opens its menu.
    bool IsMenuItemEnabled(UINT id);

private:
    struct Expectation
    {
        std::string caption;
        std::function<void(HWND)> action;
    };

    void BeginAnswering();
    void EndAnswering();
    void AnswerDialogs();
    static void CALLBACK OnAnswerTimer(HWND, UINT, UINT_PTR, DWORD);

    bool m_started = false;
    bool m_quit = false;
    std::deque<Expectation> m_expected;
    std::vector<std::string> m_unexpected;
    UINT_PTR m_timer = 0;
    int m_answeringDepth = 0;
    HWND m_strayDialog = nullptr;
    DWORD m_strayDialogSince = 0;

    static AppHarness* s_current;
};

// Texts are code page 949 in the program; these give UTF-8 for readable test messages.
std::string ToUtf8(const std::string& ansi);
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// The text of a message box.
std::string MessageBoxText(HWND box);
void SetItemText(HWND dialog, int id, const std::string& text);
// Clicks a dialog's button (BM_CLICK), so the dialog handles it as a mouse click.
void ClickItem(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
std::vector<std::string> ListBoxLines(HWND listBox);
// Selects line index of a list box and double-clicks it as the mouse does.
void DoubleClickListLine(HWND dialog, int listId, int index);
// All top-level dialog windows ("#32770") of this thread, visible or not.
std::vector<HWND> ThreadDialogs();

// Saves what the screen shows of the window as a PNG file (GDI+ must be running).
bool SaveWindowPng(HWND window, const std::string& path);
