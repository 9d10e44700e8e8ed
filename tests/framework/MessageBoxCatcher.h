// Closes the next message box this thread shows and keeps its caption and text, so code that
// reports through the framework's error box can be tested without a user.
#pragma once

#include <windows.h>

#include <string>

class MessageBoxCatcher
{
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    int Count() const;
    std::string Caption() const;
    std::string Text() const;

private:
    UINT_PTR m_timer;
};
