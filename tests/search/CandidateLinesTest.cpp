#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "search/CandidateLines.h"

namespace qx {
namespace {

using Hits = std::vector<std::pair<std::size_t, int>>;

Hits ScanAll(const CandidateLines& lines, std::string_view pattern) {
    Hits hits;
    lines.Scan(WildcardPattern(pattern), [&](std::size_t i, int position) { hits.emplace_back(i, position); });
    return hits;
}

CandidateLines Make(const std::vector<std::string>& texts) {
    CandidateLines lines;
    for (const std::string& text : texts) lines.AddLine(text);
    return lines;
}

TEST(CandidateLines, HoldsTheJoinedPartsFoldedAndAsGiven) {
    CandidateLines lines;
    lines.AddLine("Notepad", " ", "Editor \xC4");
    lines.AddLine("");
    ASSERT_EQ(lines.Count(), 2u);
    EXPECT_EQ(lines.Line(0), "notepad editor \xE4");
    EXPECT_EQ(lines.RawLine(0), "Notepad Editor \xC4");
    EXPECT_EQ(lines.Line(1), "");
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0u);
}

TEST(CandidateLines, NeverMatchesAcrossTwoLines) {
    const CandidateLines lines = Make({"abc", "def", "cdx"});
    EXPECT_EQ(ScanAll(lines, "cd"), (Hits{{2, 1}}));
    EXPECT_EQ(ScanAll(lines, "c"), (Hits{{0, 3}, {2, 1}}));
    EXPECT_EQ(ScanAll(lines, "d"), (Hits{{1, 1}, {2, 2}}));
    EXPECT_EQ(ScanAll(lines, "c*d"), (Hits{{2, 1}}));
    EXPECT_TRUE(ScanAll(lines, "abcdef").empty());
}

TEST(CandidateLines, StarsAloneHitEveryLineAndPiecesOverlap) {
    const CandidateLines lines = Make({"ab", "", "xab"});
    EXPECT_EQ(ScanAll(lines, "**"), (Hits{{0, 1}, {1, 1}, {2, 1}}));
    EXPECT_EQ(ScanAll(lines, "ab*b"), (Hits{{0, 1}, {2, 2}}));
    EXPECT_TRUE(ScanAll(lines, "").empty());
}

// The scan over the joined buffer must give what matching each line alone gives.
TEST(CandidateLines, ScanAgreesWithMatchingEachLine) {
    std::mt19937 random(11);
    const char alphabet[] = "ab *";
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> texts(random() % 12);
        for (std::string& text : texts) {
            text.resize(random() % 9);
            for (char& c : text) c = alphabet[random() % 3];
        }
        std::string pattern(random() % 6, 'a');
        for (char& c : pattern) c = alphabet[random() % 4];
        const CandidateLines lines = Make(texts);
        const WildcardPattern compiled(pattern);
        Hits expected;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (const int position = compiled.Position(texts[i])) expected.emplace_back(i, position);
        }
        ASSERT_EQ(ScanAll(lines, pattern), expected) << "pattern '" << pattern << "'";
    }
}

}  // namespace
}  // namespace qx
