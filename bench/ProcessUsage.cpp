#include "ProcessUsage.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

namespace {

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

} // namespace

ProcessUsage ProcessUsage::now() {
    rusage self{};
    rusage thread{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_THREAD, &thread);
    ProcessUsage usage;
    usage.cpuMs = milliseconds(self.ru_utime) + milliseconds(self.ru_stime);
    usage.mainWakeups = thread.ru_nvcsw;
    usage.totalWakeups = self.ru_nvcsw;
    return usage;
}

ProcessUsage ProcessUsage::operator-(const ProcessUsage& earlier) const {
    return {cpuMs - earlier.cpuMs, mainWakeups - earlier.mainWakeups,
            totalWakeups - earlier.totalWakeups};
}

std::optional<std::int64_t> peakResidentKb() {
    std::ifstream file("/proc/self/status");
    std::stringstream text;
    text << file.rdbuf();
    return statusField(text.str(), "VmHWM");
}

std::optional<std::int64_t> statusField(std::string_view statusText, std::string_view name) {
    std::size_t at = 0;
    while (at < statusText.size()) {
        const std::size_t end = statusText.find('\n', at);
        const std::string_view line = statusText.substr(
            at, end == std::string_view::npos ? std::string_view::npos : end - at);
        at = end == std::string_view::npos ? statusText.size() : end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
            line[name.size()] != ':')
            continue;
        std::string_view rest = line.substr(name.size() + 1);
        const std::size_t digits = rest.find_first_not_of(" \t");
        if (digits == std::string_view::npos)
            return std::nullopt;
        rest = rest.substr(digits);
        std::int64_t value = 0;
        const auto [parsedEnd, error] =
            std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc{} || parsedEnd == rest.data())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}
