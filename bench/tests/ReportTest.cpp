#include "Report.h"

#include "ProcessUsage.h"

#include <gtest/gtest.h>

TEST(ReportParsing, ReadsKeyValueLinesAndSkipsTheRest) {
    const auto values = Report::parse("titleMs 2691.5\nnoise\n ticks 3\nreceivers A,B\nempty \n"
                                      "titleMs 2690.0");
    EXPECT_EQ(values.size(), 2u);
    EXPECT_EQ(values.at("titleMs"), "2690.0");
    EXPECT_EQ(values.at("receivers"), "A,B");
}

TEST(StatusFields, ReadsTheNamedFieldOnlyAndNotOneThatStartsLikeIt) {
    const char* status = "Name:\tzunbario\nVmHWMx:\t1 kB\nVmPeak:\t  250000 kB\nVmHWM:\t   "
                         "36420 kB\nThreads:\t4\n";
    EXPECT_EQ(statusField(status, "VmHWM"), 36420);
    EXPECT_EQ(statusField(status, "Threads"), 4);
    EXPECT_EQ(statusField(status, "VmRSS"), std::nullopt);
    EXPECT_EQ(statusField(status, "Name"), std::nullopt);
}

TEST(ProcessUsageReadings, OnlyGrowAndSubtractToTheirDifference) {
    const ProcessUsage before = ProcessUsage::now();
    volatile double sink = 0;
    for (int i = 0; i < 2000000; ++i)
        sink = sink + i * 0.5;
    const ProcessUsage spent = ProcessUsage::now() - before;
    EXPECT_GE(spent.cpuMs, 0);
    EXPECT_GE(spent.mainWakeups, 0);
    EXPECT_GE(spent.totalWakeups, spent.mainWakeups);
    EXPECT_GT(peakResidentKb().value_or(0), 0);
}
