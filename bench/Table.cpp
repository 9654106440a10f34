#include "Table.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr std::size_t Columns = 5;
using Cells = std::array<std::vector<std::string>, Columns>;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find('\n', at);
        result.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos)
            return result;
        at = end + 1;
    }
}

Cells cellsOf(const Row& row) {
    return {lines(row.figure), lines(row.goal), lines(row.measured), lines(row.baseline),
            lines(row.verdict)};
}

std::string rule(const std::array<std::size_t, Columns>& widths) {
    std::string text = "+";
    for (const std::size_t width : widths)
        text += std::string(width + 2, '-') + "+";
    return text + "\n";
}

std::string renderRow(const Cells& cells, const std::array<std::size_t, Columns>& widths) {
    std::size_t height = 0;
    for (const auto& cell : cells)
        height = std::max(height, cell.size());
    std::string text;
    for (std::size_t line = 0; line < height; ++line) {
        text += "|";
        for (std::size_t column = 0; column < Columns; ++column) {
            const auto& cell = cells[column];
            const std::string part = line < cell.size() ? cell[line] : std::string();
            text += " " + part + std::string(widths[column] - part.size(), ' ') + " |";
        }
        text += "\n";
    }
    return text;
}

} // namespace

std::string verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Met:
        return "met";
    case Verdict::Missed:
        return "MISSED";
    case Verdict::NotMeasured:
        break;
    }
    return "not measured";
}

std::string renderTable(const std::vector<Row>& rows) {
    const Row heading{"Figure", "Goal", "Measured", "Baseline (same run)", "Verdict"};
    std::vector<Cells> all{cellsOf(heading)};
    for (const Row& row : rows)
        all.push_back(cellsOf(row));

    std::array<std::size_t, Columns> widths{};
    for (const Cells& cells : all) {
        for (std::size_t column = 0; column < Columns; ++column) {
            for (const std::string& line : cells[column])
                widths[column] = std::max(widths[column], line.size());
        }
    }

    std::string text = rule(widths);
    for (const Cells& cells : all)
        text += renderRow(cells, widths) + rule(widths);
    return text;
}
