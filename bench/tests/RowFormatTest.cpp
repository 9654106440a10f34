#include "RowFormat.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

ChildProcess::Result cleanResult() {
    ChildProcess::Result result;
    result.started = true;
    result.exitedCleanly = true;
    result.values = {{"ms", "12.5"}, {"word", "hammer"}};
    return result;
}

} // namespace

TEST(ChildValues, AreNumbersOnlyWhenReportedAsNumbers) {
    const auto result = cleanResult();
    EXPECT_DOUBLE_EQ(valueOf(result, "ms"), 12.5);
    EXPECT_TRUE(std::isnan(valueOf(result, "word")));
    EXPECT_TRUE(std::isnan(valueOf(result, "missing")));
}

TEST(ChildValues, CountAsReportedOnlyFromAChildThatEndedWellWithEveryKey) {
    auto result = cleanResult();
    EXPECT_TRUE(reported(result, {"ms"}));
    EXPECT_FALSE(reported(result, {"ms", "missing"}));
    EXPECT_FALSE(reported(result, {"word"}));
    result.exitedCleanly = false;
    EXPECT_FALSE(reported(result, {"ms"}));
}

TEST(Cells, ShowAnUnmeasuredFigureAsSuchAndNeverAsMet) {
    const Row row = unmeasured("1 Title", "goal", "the title did not end");
    EXPECT_EQ(row.verdict, verdictText(Verdict::NotMeasured));
    EXPECT_NE(row.measured.find("the title did not end"), std::string::npos);
    EXPECT_EQ(verdictText(judge(false)), "MISSED");
    EXPECT_EQ(megabytes(38400), "37.5 MB");
}
