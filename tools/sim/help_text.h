// Prints rows of a driver table (options or commands: a name, the syntax of
// its arguments and one line of help) as aligned columns for --help.
#pragma once

#include <algorithm>
#include <ostream>
#include <span>
#include <string>

namespace orvela::sim {

template <typename Row> void printHelpRows(std::ostream& out, std::span<const Row> rows) {
    auto usage = [](const Row& row) {
        return *row.syntax ? std::string(row.name) + " " + row.syntax : std::string(row.name);
    };
    std::size_t width = 0;
    for (const Row& row : rows)
        width = std::max(width, usage(row).size());
    for (const Row& row : rows) {
        const std::string text = usage(row);
        out << "  " << text << std::string(width - text.size() + 2, ' ') << row.help << "\n";
    }
}

} // namespace orvela::sim
