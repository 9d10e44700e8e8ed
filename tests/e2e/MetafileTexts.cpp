// Draws through a callback onto an enhanced metafile and reads back its text calls.
#include "MetafileTexts.h"

#include <map>

namespace
{
BYTE CharSetOf(HGDIOBJ font)
{
    LOGFONTA logFont = {};
    ::GetObjectA(font, sizeof(logFont), &logFont);
    return logFont.lfCharSet;
}

struct Reader
{
    std::vector<MetafileText> texts;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    std::map<DWORD, BYTE> fontCharSets;  // by the metafile's object index
    BYTE charSet = CharSetOf(::GetStockObject(SYSTEM_FONT));  // a new context's font
};

std::string CodePage949(const wchar_t* chars, int count)
{
    std::string text(2 * count, '\0');
    text.resize(::WideCharToMultiByte(949, 0, chars, count, &text[0], 2 * count, nullptr, nullptr));
    return text;
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param)
{
    Reader& reader = *reinterpret_cast<Reader*>(param);
    switch (record->iType)
    {
    case EMR_SETTEXTCOLOR:
        reader.textColour = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
        break;
    case EMR_SETBKCOLOR:
        reader.bkColour = reinterpret_cast<const EMRSETBKCOLOR*>(record)->crColor;
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
    {
        const EMREXTCREATEFONTINDIRECTW* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        reader.fontCharSets[font->ihFont] = font->elfw.elfLogFont.lfCharSet;
        break;
    }
    case EMR_SELECTOBJECT:
    {
        const DWORD index = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
        const auto found = reader.fontCharSets.find(index);
        if (found != reader.fontCharSets.end())
            reader.charSet = found->second;
        else if ((index & ENHMETA_STOCK_OBJECT) != 0)
        {
            HGDIOBJ stock = ::GetStockObject(static_cast<int>(index & ~ENHMETA_STOCK_OBJECT));
            if (::GetObjectType(stock) == OBJ_FONT)
                reader.charSet = CharSetOf(stock);
        }
        break;
    }
    case EMR_DELETEOBJECT:
        reader.fontCharSets.erase(reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject);
        break;
    case EMR_EXTTEXTOUTW:
    {
        const EMREXTTEXTOUTW* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const wchar_t* chars =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
        MetafileText text;
        text.text = CodePage949(chars, static_cast<int>(out->emrtext.nChars));
        text.charSet = reader.charSet;
        text.bounds = {out->rclBounds.left, out->rclBounds.top, out->rclBounds.right, out->rclBounds.bottom};
        text.origin = {out->emrtext.ptlReference.x, out->emrtext.ptlReference.y};
        text.textColour = reader.textColour;
        text.bkColour = reader.bkColour;
        text.bFill = out->emrtext.nChars == 0 && (out->emrtext.fOptions & ETO_OPAQUE) != 0;
        if (text.bFill)
            text.bounds = {out->emrtext.rcl.left, out->emrtext.rcl.top, out->emrtext.rcl.right,
                           out->emrtext.rcl.bottom};
        reader.texts.push_back(text);
        break;
    }
    default:
        break;
    }
    return 1;
}
}  // namespace

std::vector<MetafileText> RecordTexts(const std::function<void(CDC&)>& draw)
{
    HDC reference = ::GetDC(nullptr);
    CDC metafile;
    metafile.Attach(::CreateEnhMetaFileA(reference, nullptr, nullptr, nullptr));
    ::ReleaseDC(nullptr, reference);
    draw(metafile);
    HENHMETAFILE emf = ::CloseEnhMetaFile(metafile.Detach());
    Reader reader;
    ::EnumEnhMetaFile(nullptr, emf, ReadRecord, &reader, nullptr);
    ::DeleteEnhMetaFile(emf);
    return reader.texts;
}

std::string JoinedTexts(const std::vector<MetafileText>& texts)
{
    std::string all;
    for (const MetafileText& t : texts)
    {
        if (t.bFill)
            continue;
        all += (all.empty() ? "" : " ") + t.text;
    }
    return all;
}
