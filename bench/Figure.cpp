#include "Figure.h"

#include "Measures.h"
#include "PlayerFolder.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string escaped(const std::string& cell) {
    std::string text;
    for (const char c : cell)
        text += c == '\n' ? std::string("\\n") : std::string(1, c);
    return text;
}

} // namespace

void printRow(const Row& row, std::source_location where) {
    std::string file = where.file_name();
    file = file.substr(file.rfind("bench/") == std::string::npos ? 0 : file.rfind("bench/"));
    const std::string line = "bench-row\t" + escaped(row.figure + "\n" + file) + "\t" +
                             escaped(row.goal) + "\t" + escaped(row.measured) + "\t" +
                             escaped(row.baseline) + "\t" + (row.met ? "met" : "MISSED") + "\n";
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    if (const char* rows = std::getenv("BENCH_ROWS"))
        std::ofstream(rows, std::ios::app) << line;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string megabytes(double kilobytes) {
    return fixed(kilobytes / 1024.0, 1) + " MB";
}

double loadPerProcessor() {
    double load = 0;
    if (getloadavg(&load, 1) < 1)
        return 0;
    return load / static_cast<double>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

bool Reports::has(std::initializer_list<const char*> keys) const {
    return ok && std::all_of(keys.begin(), keys.end(),
                             [this](const char* key) { return values.count(key) == 1; });
}

double Reports::operator[](const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::nan("") : found->second;
}

Reports runChild(const QString& program, const QStringList& arguments,
                 const QStringList& environment, int timeoutMs) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0),
                         variable.section(QLatin1Char('='), 1));
    variables.insert(QStringLiteral("BENCH_SPAWN_NS"),
                     QString::number(steadyNowMs() * 1e6, 'f', 0));
    child.setProcessEnvironment(variables);
    child.start(program, arguments);
    Reports reports;
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return reports;
    }
    reports.ok = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    std::istringstream lines(child.readAllStandardOutput().toStdString());
    std::string key;
    double value = 0;
    while (lines >> key >> value)
        reports.values[key] = value;
    return reports;
}

void BenchWindow::prepareFolder() {
    ASSERT_TRUE(copyPlayerFolder(m_folder.path()));
}

void BenchWindow::SetUp() {
    WindowTest::SetUp();
    settle(300);
}

void BenchWindow::settle(int ms) {
    QTest::qWait(ms);
}
