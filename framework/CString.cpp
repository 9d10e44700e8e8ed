#include "framework/CString.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The program's texts are code page 949: a byte from 0x81 to 0xFE starts a two-byte character.
bool IsLeadByte(char ch)
{
    const unsigned char byte = static_cast<unsigned char>(ch);
    return byte >= 0x81 && byte <= 0xFE;
}

int NextCharIndex(const std::string& text, int index)
{
    if (IsLeadByte(text[index]) && index + 1 < static_cast<int>(text.size()))
        return index + 2;
    return index + 1;
}

bool IsTrimmable(char ch, const char* targets)
{
    if (targets == nullptr)
        return std::isspace(static_cast<unsigned char>(ch)) != 0;
    return ch != '\0' && std::strchr(targets, ch) != nullptr;
}

const char* NonNull(const char* text)
{
    return text != nullptr ? text : "";
}

}  // namespace

CString::CString(const char* text) : m_str(NonNull(text)) {}

CString::CString(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const char* text)
{
    m_str = NonNull(text);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& text)
{
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    m_str += NonNull(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str.push_back(ch);
    return *this;
}

void CString::Append(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_str.append(text, static_cast<size_t>(length));
}

int CString::Compare(const char* text) const
{
    return std::strcmp(m_str.c_str(), NonNull(text));
}

int CString::CompareNoCase(const char* text) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(NonNull(text));
    for (;; ++a, ++b) {
        const int ca = std::tolower(*a);
        const int cb = std::tolower(*b);
        if (ca != cb || ca == 0)
            return ca - cb;
    }
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, NonNull(format), measure);
    va_end(measure);
    if (length < 0)
        AfxThrowInvalidArgException();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), NonNull(format), args);
    m_str.assign(buffer.data(), static_cast<size_t>(length));
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_str += tail.m_str;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return &m_str[0];
}

char* CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(std::max(length, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char target)
{
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(const char* targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

CString& CString::TrimLeft()
{
    return TrimLeft(static_cast<const char*>(nullptr));
}

CString& CString::TrimLeft(char target)
{
    const char targets[2] = {target, '\0'};
    return TrimLeft(targets);
}

// Whitespace and the usual targets are ASCII and never the trail byte of a double-byte character.
CString& CString::TrimLeft(const char* targets)
{
    size_t first = 0;
    while (first < m_str.size() && IsTrimmable(m_str[first], targets))
        ++first;
    m_str.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(static_cast<const char*>(nullptr));
}

CString& CString::TrimRight(char target)
{
    const char targets[2] = {target, '\0'};
    return TrimRight(targets);
}

CString& CString::TrimRight(const char* targets)
{
    size_t end = m_str.size();
    while (end > 0 && IsTrimmable(m_str[end - 1], targets))
        --end;
    m_str.resize(end);
    return *this;
}

int CString::Find(char ch, int start) const
{
    for (int i = std::max(start, 0); i < GetLength(); i = NextCharIndex(m_str, i)) {
        if (m_str[static_cast<size_t>(i)] == ch)
            return i;
    }
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    const size_t subLength = std::strlen(NonNull(sub));
    for (int i = std::max(start, 0); i <= GetLength(); i = NextCharIndex(m_str, i)) {
        if (m_str.compare(static_cast<size_t>(i), subLength, NonNull(sub)) == 0 &&
            static_cast<size_t>(i) + subLength <= m_str.size())
            return i;
        if (i == GetLength())
            break;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (int i = 0; i < GetLength(); i = NextCharIndex(m_str, i)) {
        if (m_str[static_cast<size_t>(i)] == ch)
            found = i;
    }
    return found;
}

int CString::FindOneOf(const char* chars) const
{
    for (int i = 0; i < GetLength(); i = NextCharIndex(m_str, i)) {
        const char ch = m_str[static_cast<size_t>(i)];
        if (std::strchr(NonNull(chars), ch) != nullptr)
            return i;
    }
    return -1;
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString& CString::MakeUpper()
{
    for (int i = 0; i < GetLength(); i = NextCharIndex(m_str, i)) {
        char& ch = m_str[static_cast<size_t>(i)];
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return *this;
}

CString& CString::MakeLower()
{
    for (int i = 0; i < GetLength(); i = NextCharIndex(m_str, i)) {
        char& ch = m_str[static_cast<size_t>(i)];
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return *this;
}

// Reverses characters, keeping each double-byte character's bytes in order.
CString& CString::MakeReverse()
{
    std::string reversed;
    reversed.reserve(m_str.size());
    for (int i = 0; i < GetLength();) {
        const int next = NextCharIndex(m_str, i);
        reversed.insert(0, m_str, static_cast<size_t>(i), static_cast<size_t>(next - i));
        i = next;
    }
    m_str.swap(reversed);
    return *this;
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (int i = 0; i < GetLength(); i = NextCharIndex(m_str, i)) {
        if (m_str[static_cast<size_t>(i)] == oldCh) {
            m_str[static_cast<size_t>(i)] = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    const std::string from = NonNull(oldText);
    const std::string to = NonNull(newText);
    if (from.empty())
        return 0;
    std::string result;
    int count = 0;
    for (int i = 0; i < GetLength();) {
        if (m_str.compare(static_cast<size_t>(i), from.size(), from) == 0) {
            result += to;
            i += static_cast<int>(from.size());
            ++count;
            continue;
        }
        const int next = NextCharIndex(m_str, i);
        result.append(m_str, static_cast<size_t>(i), static_cast<size_t>(next - i));
        i = next;
    }
    m_str.swap(result);
    return count;
}

int CString::Remove(char ch)
{
    const int before = GetLength();
    std::string result;
    for (int i = 0; i < GetLength();) {
        const int next = NextCharIndex(m_str, i);
        if (!(next == i + 1 && m_str[static_cast<size_t>(i)] == ch))
            result.append(m_str, static_cast<size_t>(i), static_cast<size_t>(next - i));
        i = next;
    }
    m_str.swap(result);
    return before - GetLength();
}

int CString::Insert(int index, const char* text)
{
    index = std::clamp(index, 0, GetLength());
    m_str.insert(static_cast<size_t>(index), NonNull(text));
    return GetLength();
}

int CString::Insert(int index, char ch)
{
    const char text[2] = {ch, '\0'};
    return Insert(index, text);
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
