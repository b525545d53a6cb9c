#pragma once
// The art tables (art/*.csv): a header line naming the columns, then one record
// per line, fields separated by commas. The picture builder and the picture
// checks read them the same way.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace pictures {

struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class TableRow {
public:
    TableRow(std::string where, std::map<std::string, std::string> cells);

    // "art/file.csv:12", to point at the record in every error message.
    const std::string& where() const { return where_; }
    const std::string& text(const std::string& column) const;
    int number(const std::string& column) const;
    // The columns x, y, w, h.
    PixelRect rect() const;
    const std::map<std::string, std::string>& cells() const { return cells_; }

private:
    std::string where_;
    std::map<std::string, std::string> cells_;
};

// Throws std::runtime_error naming the file and line of a malformed record.
std::vector<TableRow> read_table(const std::filesystem::path& file);

}  // namespace pictures
