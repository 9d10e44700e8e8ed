// Narrow (code page 949) string with value semantics.
#pragma once

#include "framework/AfxTypes.h"

#include <cstdarg>
#include <string>

// A CString handed to printf-style varargs would pass the object, not its text: make that an error.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic error "-Wconditionally-supported"
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#elif defined(__clang__)
#pragma clang diagnostic error "-Wnon-pod-varargs"
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define AFX_PRINTF_FORMAT(fmt, args)
#endif

class CString
{
public:
    CString() = default;
    CString(const char* text);
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    CString(const std::string& text) : m_str(text) {}

    CString& operator=(const char* text);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    void Append(const char* text, int length);
    void AppendChar(char ch) { m_str.push_back(ch); }

    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;

    void Format(const char* format, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) AFX_PRINTF_FORMAT(2, 3);

    // Loads a text from the module's string table; false when the id is not there.
    // <windows.h> may have made LoadString a macro for LoadStringA: answer to both names.
#pragma push_macro("LoadString")
#undef LoadString
    bool LoadString(unsigned int id);
    bool LoadStringA(unsigned int id) { return LoadString(id); }
#pragma pop_macro("LoadString")

    // Direct access to the character storage; the length is fixed again by ReleaseBuffer.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString& Trim();
    CString& Trim(char target);
    CString& Trim(const char* targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(const char* targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(const char* targets);

    // Searches step over whole double-byte characters, so a trail byte never matches.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    int Insert(int index, const char* text);
    int Insert(int index, char ch);
    int Delete(int index, int count = 1);

    const std::string& str() const { return m_str; }

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, const char* b);
bool operator<(const char* a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, const char* b);
bool operator>(const char* a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator<=(const CString& a, const char* b);
bool operator<=(const char* a, const CString& b);
bool operator>=(const CString& a, const CString& b);
bool operator>=(const CString& a, const char* b);
bool operator>=(const char* a, const CString& b);
