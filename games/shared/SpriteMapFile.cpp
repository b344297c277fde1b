// Reading and writing the map files of sprite records.
#include "games/shared/SpriteMapFile.h"

#include <cstdint>

#include "games/shared/MapFile.h"
#include "platform/Numbers.h"

namespace MapFile {

std::vector<SpriteClass> NoSprites()
{
    std::vector<SpriteClass> entries(1);
    entries[0].visible = false;
    return entries;
}

void ClearSprites(std::vector<SpriteClass>& entries, SpriteClass& background)
{
    entries = NoSprites();
    background.CleanUp();
}

bool ReadSpriteRecords(platform::ListReader& reader, SpriteClass& background,
                       const std::function<bool(const std::string& keyword)>& record)
{
    while (!reader.Eof()) {
        std::string keyword;
        if (!reader.Input(keyword)) {
            return false;
        }
        if (keyword == "background") {
            std::int16_t number = 0;
            if (!InputWhole(reader, number)) {
                return false;
            }
            background.id = number;
        } else if (!record(keyword)) {
            return false;
        }
    }
    return true;
}

void WriteSpriteRecords(platform::ListWriter& writer, const SpriteClass& background,
                        const std::vector<SpriteClass>& entries,
                        const std::function<std::string_view(const SpriteClass& entry)>& keyword)
{
    writer.WriteText("background");
    writer.WriteInteger(background.id);
    writer.EndLine();
    for (const SpriteClass& entry : entries) {
        if (entry.visible) {
            writer.WriteText(keyword(entry));
            writer.WriteInteger(entry.id);
            writer.WriteInteger(platform::CLng(entry.X));
            writer.WriteInteger(platform::CLng(entry.Y));
            writer.EndLine();
        }
    }
}

} // namespace MapFile
