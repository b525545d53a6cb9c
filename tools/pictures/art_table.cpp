#include "tools/pictures/art_table.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace pictures {
namespace {

std::vector<std::string> split_fields(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

TableRow::TableRow(std::string where, std::map<std::string, std::string> cells)
    : where_(std::move(where)), cells_(std::move(cells)) {}

const std::string& TableRow::text(const std::string& column) const {
    const auto cell = cells_.find(column);
    if (cell == cells_.end()) throw std::runtime_error(where_ + ": no column '" + column + "'");
    return cell->second;
}

int TableRow::number(const std::string& column) const {
    const std::string& digits = text(column);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        throw std::runtime_error(where_ + ": '" + column + "' is not a whole number: '" + digits + "'");
    }
    return value;
}

PixelRect TableRow::rect() const {
    return {number("x"), number("y"), number("w"), number("h")};
}

std::vector<TableRow> read_table(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read");
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> columns = split_fields(line);

    std::vector<TableRow> rows;
    for (int line_number = 2; std::getline(in, line); ++line_number) {
        const std::string where = file.string() + ":" + std::to_string(line_number);
        if (line.empty() || line == "\r") continue;
        const std::vector<std::string> fields = split_fields(line);
        if (fields.size() != columns.size()) {
            throw std::runtime_error(where + ": " + std::to_string(fields.size()) + " fields, the header names " +
                                     std::to_string(columns.size()));
        }
        std::map<std::string, std::string> cells;
        for (std::size_t i = 0; i < columns.size(); ++i) cells.emplace(columns[i], fields[i]);
        rows.emplace_back(where, std::move(cells));
    }
    return rows;
}

}  // namespace pictures
