// Draws through a callback onto an enhanced metafile and reads back its text calls.
#include "MetafileTexts.h"

namespace
{
struct Reader
{
    std::vector<MetafileText> texts;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
};

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
    case EMR_EXTTEXTOUTW:
    {
        const EMREXTTEXTOUTW* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const wchar_t* chars =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
        MetafileText text;
        for (DWORD i = 0; i < out->emrtext.nChars; ++i)
            text.text += static_cast<char>(chars[i]);
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
