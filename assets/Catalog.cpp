// The helpers that turn drawing and sound functions into catalogue entries.
#include "assets/Catalog.h"

#include <utility>

#include "assets/PictureFiles.h"
#include "assets/Synth.h"

namespace assetgen {

void AddKeyedGif(Catalog& catalog, std::string path, std::function<Canvas()> draw)
{
    catalog.push_back(
        {std::move(path), [draw = std::move(draw)](const std::filesystem::path& file) {
             return WriteGif(draw().Keyed(KeyMagenta), file, KeyMagenta);
         }});
}

void AddOpaqueGif(Catalog& catalog, std::string path, std::function<Image()> draw)
{
    catalog.push_back(
        {std::move(path), [draw = std::move(draw)](const std::filesystem::path& file) {
             return WriteGif(draw(), file, std::nullopt);
         }});
}

void AddJpeg(Catalog& catalog, std::string path, std::function<Image()> draw)
{
    catalog.push_back(
        {std::move(path), [draw = std::move(draw)](const std::filesystem::path& file) {
             return WriteJpeg(draw(), file);
         }});
}

void AddWav(Catalog& catalog, std::string path, std::function<Sound()> make)
{
    catalog.push_back(
        {std::move(path), [make = std::move(make)](const std::filesystem::path& file) {
             return WriteWav(make(), file);
         }});
}

void AddMidi(Catalog& catalog, std::string path, std::function<std::vector<unsigned char>()> make)
{
    catalog.push_back(
        {std::move(path), [make = std::move(make)](const std::filesystem::path& file) {
             return WriteBytes(file, make());
         }});
}

} // namespace assetgen
