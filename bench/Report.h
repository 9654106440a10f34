#pragma once

#include <map>
#include <string>
#include <string_view>

// How a measuring child tells the runner what it found: one "key value" line per figure on its
// standard output, flushed at once so that nothing is lost if the child is stopped later.
namespace Report {

void put(std::string_view key, double value);
void put(std::string_view key, std::string_view value);

// Reads the lines back; a later value for the same key wins, lines without a value are skipped.
std::map<std::string, std::string> parse(std::string_view output);

} // namespace Report
