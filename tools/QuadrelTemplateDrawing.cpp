// Turning a text drawing of piece templates into a Quadrel map.
#include "tools/QuadrelTemplateDrawing.h"

#include "common/Common.h"
#include "games/quadrel/QuadrelCommon.h"
#include "tools/DrawingLines.h"

namespace quadrel {

namespace {

constexpr std::size_t Side = 5;
constexpr std::size_t EasyCount = 6;
constexpr std::size_t NormalCount = 12;

// One band of five lines: the templates side by side, or false with a message.
bool ReadBand(const std::vector<std::string_view>& band, std::size_t firstLine,
              std::vector<TemplateIds>& templates, std::string& error)
{
    const std::size_t width = band[0].size();
    if ((width + 1) % (Side + 1) != 0) {
        error = "line " + std::to_string(firstLine) + ": a band holds templates of 5 marks";
        return false;
    }
    const std::size_t count = (width + 1) / (Side + 1);
    const std::size_t first = templates.size();
    templates.resize(first + count);
    for (std::size_t row = 0; row < Side; ++row) {
        const std::string_view line = band[row];
        const std::string where = "line " + std::to_string(firstLine + row) + ": ";
        if (line.size() != width) {
            error = where + "every line of a band is as long as its first";
            return false;
        }
        for (std::size_t column = 0; column < width; ++column) {
            const char mark = line[column];
            if (column % (Side + 1) == Side) {
                if (mark != ' ') {
                    error = where + "templates stand one blank apart";
                    return false;
                }
                continue;
            }
            std::int16_t id = -1;
            if (mark >= '0' && mark <= '5') {
                id = static_cast<std::int16_t>(mark - '0');
            } else if (mark != '.') {
                error = where + "unknown mark '" + std::string(1, mark) + "'";
                return false;
            }
            templates[first + column / (Side + 1)][row * Side + column % (Side + 1)] = id;
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<TemplateIds>> ReadTemplateDrawing(std::string_view text,
                                                            std::string& error)
{
    const std::vector<DrawingLine> lines = DrawingLines(text);
    std::vector<TemplateIds> templates;
    for (std::size_t at = 0; at < lines.size(); at += Side) {
        if (at + Side > lines.size()) {
            error = "line " + std::to_string(lines[at].number) + ": a band is five lines";
            return std::nullopt;
        }
        std::vector<std::string_view> band;
        for (std::size_t row = 0; row < Side; ++row) {
            band.push_back(lines[at + row].text);
        }
        if (!ReadBand(band, lines[at].number, templates, error)) {
            return std::nullopt;
        }
    }
    if (templates.size() != EasyCount && templates.size() != NormalCount) {
        error = "6 templates make an easy map and 12 a normal one, not " +
                std::to_string(templates.size());
        return std::nullopt;
    }
    return templates;
}

void LayOutMap(const std::vector<TemplateIds>& templates)
{
    namespace qc = QuadrelCommon;
    Common::gMode = templates.size() == EasyCount ? "easy" : "normal";
    qc::MapTemplates.clear();
    for (std::size_t t = 0; t < templates.size(); ++t) {
        qc::PieceTemplate pieceTemplate = qc::LaidOutTemplate(t);
        for (std::size_t i = 0; i < pieceTemplate.size(); ++i) {
            pieceTemplate[i].id = templates[t][i];
        }
        qc::MapTemplates.push_back(pieceTemplate);
    }
}

} // namespace quadrel
