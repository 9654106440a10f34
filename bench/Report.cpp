#include "Report.h"

#include <cstdio>
#include <string>

namespace Report {

void put(std::string_view key, double value) {
    std::printf("%.*s %.6f\n", static_cast<int>(key.size()), key.data(), value);
    std::fflush(stdout);
}

void put(std::string_view key, std::string_view value) {
    std::printf("%.*s %.*s\n", static_cast<int>(key.size()), key.data(),
                static_cast<int>(value.size()), value.data());
    std::fflush(stdout);
}

std::map<std::string, std::string> parse(std::string_view output) {
    std::map<std::string, std::string> values;
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        std::string_view line = output.substr(0, end);
        output = end == std::string_view::npos ? std::string_view{} : output.substr(end + 1);
        const std::size_t space = line.find(' ');
        if (space == 0 || space == std::string_view::npos || space + 1 == line.size())
            continue;
        values[std::string(line.substr(0, space))] = std::string(line.substr(space + 1));
    }
    return values;
}

} // namespace Report
