// Walks DLGTEMPLATEEX / DLGITEMTEMPLATEEX as the resource compiler laid them out.
#include "support/DialogTemplate.h"

#include <cstring>

namespace {

class TemplateReader
{
public:
    explicit TemplateReader(const BYTE* data) : m_p(data) {}

    WORD Word() { WORD v; std::memcpy(&v, m_p, 2); m_p += 2; return v; }
    DWORD Dword() { DWORD v; std::memcpy(&v, m_p, 4); m_p += 4; return v; }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *m_p++; }
    void AlignDword(const BYTE* base) { while ((m_p - base) % 4) ++m_p; }

    std::string WideText()
    {
        std::wstring w;
        for (WORD c = Word(); c != 0; c = Word())
            w.push_back(static_cast<wchar_t>(c));
        return ToUtf8(w);
    }

    // A name or an ordinal (0xFFFF followed by the number).
    std::string NameOrOrdinal()
    {
        WORD first;
        std::memcpy(&first, m_p, 2);
        if (first == 0xFFFF) {
            m_p += 2;
            return "#" + std::to_string(Word());
        }
        return WideText();
    }

    const BYTE* Position() const { return m_p; }
    void Skip(size_t n) { m_p += n; }

private:
    static std::string ToUtf8(const std::wstring& w)
    {
        if (w.empty())
            return std::string();
        int n = ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
        std::string s(n, '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
        return s;
    }

    const BYTE* m_p;
};

std::string ClassName(std::string raw)
{
    // Class names are case-insensitive; the resource compiler may write them in capitals.
    const char* known[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    for (const char* name : known)
        if (::lstrcmpiA(raw.c_str(), name) == 0)
            return name;
    if (raw == "#128") return "Button";
    if (raw == "#129") return "Edit";
    if (raw == "#130") return "Static";
    if (raw == "#131") return "ListBox";
    if (raw == "#132") return "ScrollBar";
    if (raw == "#133") return "ComboBox";
    return raw;
}

}  // namespace

DialogTemplate LoadDialogTemplate(int resourceId)
{
    DialogTemplate result;
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (found == nullptr)
        return result;
    const BYTE* base = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, found)));
    TemplateReader r(base);
    if (r.Word() != 1 || r.Word() != 0xFFFF)  // only the extended form is expected
        return result;
    result.found = true;
    r.Dword();  // help id
    result.exStyle = r.Dword();
    result.style = r.Dword();
    int count = r.Word();
    result.x = r.Short();
    result.y = r.Short();
    result.cx = r.Short();
    result.cy = r.Short();
    r.NameOrOrdinal();  // menu
    r.NameOrOrdinal();  // class
    result.caption = r.WideText();
    if (result.style & DS_SETFONT) {
        result.fontPoints = r.Word();
        r.Word();  // weight
        r.Byte();  // italic
        r.Byte();  // charset
        result.fontName = r.WideText();
    }
    for (int i = 0; i < count; ++i) {
        r.AlignDword(base);
        DialogItem item;
        r.Dword();  // help id
        item.exStyle = r.Dword();
        item.style = r.Dword();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = static_cast<int>(r.Dword());
        item.className = ClassName(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Word());  // creation data
        result.items.push_back(item);
    }
    return result;
}
