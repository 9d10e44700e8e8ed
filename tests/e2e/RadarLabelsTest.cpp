// The ring labels as text records of a metafile: values and places per device kind.
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct TextRecord
{
    std::string text;
    RECT bounds;    // inclusive, glyph overhang included
    POINT origin;   // where the text starts (top left)
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param)
{
    if (record->iType != EMR_EXTTEXTOUTW)
        return 1;
    const EMREXTTEXTOUTW* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    if (out->emrtext.nChars == 0)
        return 1;  // the white fill, an opaque text call without text
    const wchar_t* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
    std::string text;
    for (DWORD i = 0; i < out->emrtext.nChars; ++i)
        text += static_cast<char>(chars[i]);
    const RECT bounds = {out->rclBounds.left, out->rclBounds.top, out->rclBounds.right, out->rclBounds.bottom};
    const POINT origin = {out->emrtext.ptlReference.x, out->emrtext.ptlReference.y};
    reinterpret_cast<std::vector<TextRecord>*>(param)->push_back({text, bounds, origin});
    return 1;
}

std::vector<TextRecord> LabelTexts(int kind, const CRect& client)
{
    EnsureViewPrerequisites();
    CRadarChartGraphWnd graph;
    graph.SetScaleForKind(kind);
    HDC reference = ::GetDC(nullptr);
    CDC metafile;
    metafile.Attach(::CreateEnhMetaFileA(reference, nullptr, nullptr, nullptr));
    ::ReleaseDC(nullptr, reference);
    graph.DrawChart(metafile, client);
    HENHMETAFILE emf = ::CloseEnhMetaFile(metafile.Detach());
    std::vector<TextRecord> texts;
    ::EnumEnhMetaFile(nullptr, emf, CollectText, &texts, nullptr);
    ::DeleteEnhMetaFile(emf);
    return texts;
}

std::string Joined(const std::vector<TextRecord>& texts)
{
    std::string all;
    for (const TextRecord& t : texts)
        all += (all.empty() ? "" : " ") + t.text;
    return all;
}
}  // namespace

TEST(RadarLabels, EachKindLabelsItsRingsFromTheCentreOutwards)
{
    const struct { int kind; const char* labels; } cases[] = {
        {1, "0 -10 -20 -30 -40 -50 -60 -70 -80 -90 -100"},
        {2, "0 -5 -10 -15 -20 -25 -30 -35 -40 -45 -50"},
        {3, "10 9 8 7 6 5 4 3 2 1 0"},
        {9, "0 -10 -20 -30 -40 -50 -60 -70 -80 -90 -100"},  // unknown: the scale stays kind 1's
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.labels, Joined(LabelTexts(c.kind, CRect(0, 0, 960, 720)))) << "kind " << c.kind;
}

TEST(RadarLabels, LabelsAreRightAlignedLeftOfTheTopSpokeOneRingApart)
{
    const std::vector<TextRecord> texts = LabelTexts(1, CRect(0, 0, 960, 720));
    ASSERT_EQ(11u, texts.size());
    for (size_t k = 0; k < texts.size(); ++k)
    {
        // Label k's rectangle is (397, 335 - 30k) - (477, 365 - 30k): the text hangs from its top
        // and ends at its right edge.
        EXPECT_EQ(335 - 30 * static_cast<int>(k), texts[k].origin.y) << k;
        EXPECT_GT(texts[k].origin.x, 397) << k;
        EXPECT_GE(texts[k].bounds.right, 470) << k;
        EXPECT_LE(texts[k].bounds.right, 478) << k;
    }
}
