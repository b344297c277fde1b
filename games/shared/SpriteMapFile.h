// Map files of sprite records with a background number, as the alien and rock maps are: records
// in any order, "background" among them, read into a list of sprites whose first entry stays as a
// hidden placeholder while the map holds nothing; written back as the background record and one
// line per visible entry.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ListFile.h"
#include "toolkit/SpriteClass.h"

namespace MapFile {

// The entries of a map that holds nothing: one hidden placeholder.
std::vector<SpriteClass> NoSprites();
// The entries become one hidden placeholder; the background releases its picture and keeps its
// number.
void ClearSprites(std::vector<SpriteClass>& entries, SpriteClass& background);
// Reads records until the end of the file: "background", n sets the background's number; any other
// keyword goes to record, which reads the rest of its record (or nothing, for a keyword it does
// not know) and answers whether it could. False when a record fails.
bool ReadSpriteRecords(platform::ListReader& reader, SpriteClass& background,
                       const std::function<bool(const std::string& keyword)>& record);
// The "background" record, then keyword, id, X and Y a line for every visible entry.
void WriteSpriteRecords(platform::ListWriter& writer, const SpriteClass& background,
                        const std::vector<SpriteClass>& entries,
                        const std::function<std::string_view(const SpriteClass& entry)>& keyword);

} // namespace MapFile
