#include "RowFormat.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

double valueOf(const ChildProcess::Result& result, const std::string& key) {
    const auto found = result.values.find(key);
    if (found == result.values.end())
        return std::numeric_limits<double>::quiet_NaN();
    try {
        return std::stod(found->second);
    } catch (const std::exception&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

bool reported(const ChildProcess::Result& result, std::initializer_list<const char*> keys) {
    if (!result.exitedCleanly)
        return false;
    for (const char* key : keys) {
        if (std::isnan(valueOf(result, key)))
            return false;
    }
    return true;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string megabytes(double kilobytes) {
    return fixed(kilobytes / 1024.0, 1) + " MB";
}

Row unmeasured(std::string figure, std::string goal, const std::string& reason) {
    return {std::move(figure), std::move(goal), "not measured: " + reason, "",
            verdictText(Verdict::NotMeasured)};
}

Verdict judge(bool met) {
    return met ? Verdict::Met : Verdict::Missed;
}
