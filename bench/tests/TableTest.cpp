#include "Table.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(Tables, LineUpEveryColumnAcrossMultiLineCells) {
    const std::string text = renderTable({
        {"1 Title", "within 1 %", "2691 ms\n269 ticks", "2690 ms", "met"},
        {"2 A much longer figure", "g", "m", "b", verdictText(Verdict::Missed)},
    });
    const auto lines = linesOf(text);
    // A rule, the heading, a rule, two lines of the first row, a rule, the second row, a rule.
    ASSERT_EQ(lines.size(), 8u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), lines.front().size()) << line;
    EXPECT_NE(lines[4].find("269 ticks"), std::string::npos);
    EXPECT_EQ(lines[3].find('|', 1), lines[6].find('|', 1));
    EXPECT_NE(text.find("MISSED"), std::string::npos);
}
