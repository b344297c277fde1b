// Turning a text drawing of an alien formation into Zentar map records.
#include "tools/ZentarFormationDrawing.h"

#include <charconv>
#include <limits>

#include "tools/DrawingLines.h"

namespace zentar {

namespace {

constexpr std::int16_t BackgroundCount = 27;

std::optional<std::int16_t> TypeOfMark(char mark)
{
    if (mark >= '0' && mark <= '9') {
        return static_cast<std::int16_t>(mark - '0');
    }
    if (mark >= 'a' && mark <= 'q') {
        return static_cast<std::int16_t>(mark - 'a' + 10);
    }
    return std::nullopt;
}

// The whole numbers after a setting's name, separated by blanks; nothing unless there are exactly
// count of them.
std::optional<std::vector<long>> Numbers(std::string_view text, std::size_t count)
{
    std::vector<long> numbers;
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == ' ') {
            ++position;
            continue;
        }
        long value = 0;
        const auto [end, failure] =
            std::from_chars(text.data() + position, text.data() + text.size(), value);
        if (failure != std::errc{} || (end != text.data() + text.size() && *end != ' ')) {
            return std::nullopt;
        }
        numbers.push_back(value);
        position = static_cast<std::size_t>(end - text.data());
    }
    if (numbers.size() != count) {
        return std::nullopt;
    }
    return numbers;
}

bool Fits16(long value)
{
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

struct Settings {
    std::optional<std::vector<long>> background;
    std::optional<std::vector<long>> cell;
    std::optional<std::vector<long>> origin;
};

// Reads a setting line into settings; false with a message when it is not one, is repeated or is
// out of range.
bool ReadSetting(std::string_view line, Settings& settings, std::string& error)
{
    const std::size_t blank = line.find(' ');
    const std::string name(line.substr(0, blank));
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view{} : line.substr(blank);
    std::optional<std::vector<long>>* target = nullptr;
    std::size_t count = 2;
    if (name == "background") {
        target = &settings.background;
        count = 1;
    } else if (name == "cell") {
        target = &settings.cell;
    } else if (name == "origin") {
        target = &settings.origin;
    } else {
        error = "neither a setting nor a row between bars";
        return false;
    }
    if (*target) {
        error = name + " given twice";
        return false;
    }
    *target = Numbers(rest, count);
    if (!*target) {
        error = name + " needs " + std::to_string(count) + " whole numbers";
        return false;
    }
    const std::vector<long>& values = **target;
    if (name == "background" && (values[0] < 0 || values[0] >= BackgroundCount)) {
        error = "background must lie in 0..26";
        return false;
    }
    if (name == "cell" && (values[0] <= 0 || values[1] <= 0)) {
        error = "cell sizes must be positive";
        return false;
    }
    return true;
}

} // namespace

std::optional<FormationDrawing> ReadFormationDrawing(std::string_view text, std::string& error)
{
    Settings settings;
    std::vector<std::string_view> rows;
    for (const DrawingLine& line : DrawingLines(text)) {
        const auto where = "line " + std::to_string(line.number) + ": ";
        if (line.text.front() == '|') {
            if (line.text.size() < 2 || line.text.back() != '|') {
                error = where + "a row ends with a bar";
                return std::nullopt;
            }
            rows.push_back(line.text.substr(1, line.text.size() - 2));
            continue;
        }
        if (!ReadSetting(line.text, settings, error)) {
            error = where + error;
            return std::nullopt;
        }
    }
    if (!settings.background || !settings.cell || !settings.origin) {
        error = "background, cell and origin are all needed";
        return std::nullopt;
    }

    FormationDrawing drawing;
    drawing.background = static_cast<std::int16_t>((*settings.background)[0]);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            const char mark = rows[row][column];
            if (mark == '.' || mark == ' ') {
                continue;
            }
            const auto where =
                "row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1) + ": ";
            const auto type = TypeOfMark(mark);
            if (!type) {
                error = where + "unknown mark '" + std::string(1, mark) + "'";
                return std::nullopt;
            }
            const long x = (*settings.origin)[0] + static_cast<long>(column) * (*settings.cell)[0];
            const long y = (*settings.origin)[1] + static_cast<long>(row) * (*settings.cell)[1];
            if (!Fits16(x) || !Fits16(y)) {
                error = where + "the position leaves the 16-bit range";
                return std::nullopt;
            }
            drawing.aliens.push_back(
                {*type, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
        }
    }
    return drawing;
}

} // namespace zentar
