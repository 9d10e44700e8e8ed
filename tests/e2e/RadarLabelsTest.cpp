// The ring labels as text records of a metafile: values and places per device kind.
#include "MetafileTexts.h"
#include "ViewLogs.h"

#include "app/CRadarChartGraphWnd.h"

#include <gtest/gtest.h>

namespace
{
std::vector<MetafileText> LabelTexts(int kind)
{
    EnsureViewPrerequisites();
    CRadarChartGraphWnd graph;
    graph.SetScaleForKind(kind);
    std::vector<MetafileText> texts = RecordTexts([&](CDC& dc) { graph.DrawChart(dc, CRect(0, 0, 960, 720)); });
    std::vector<MetafileText> labels;
    for (const MetafileText& t : texts)
        if (!t.bFill)
            labels.push_back(t);
    return labels;
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
        EXPECT_EQ(c.labels, JoinedTexts(LabelTexts(c.kind))) << "kind " << c.kind;
}

TEST(RadarLabels, LabelsAreRightAlignedLeftOfTheTopSpokeOneRingApart)
{
    const std::vector<MetafileText> texts = LabelTexts(1);
    ASSERT_EQ(11u, texts.size());
    for (size_t k = 0; k < texts.size(); ++k)
    {
        // Label k's rectangle is (397, 335 - 30k) - (477, 365 - 30k): the text hangs from its top
        // and ends at its right edge.
        EXPECT_EQ(335 - 30 * static_cast<int>(k), texts[k].origin.y) << k;
        EXPECT_GT(texts[k].origin.x, 397) << k;
        EXPECT_GE(texts[k].bounds.right, 470) << k;
        EXPECT_LE(texts[k].bounds.right, 478) << k;
        EXPECT_EQ(RGB(0, 0, 0), texts[k].textColour);
    }
}
