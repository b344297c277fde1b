// The list of every generated file: each game's source file adds its own pictures, sounds and
// tunes, each as a path under the program folder and a function that makes it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "assets/Canvas.h"

namespace assetgen {

class Sound;

struct Asset {
    std::string path; // relative to the program folder, with '/'
    std::function<bool(const std::filesystem::path& file)> make;
};

using Catalog = std::vector<Asset>;

// One per source file; each later game adds its own in the same way.
void AddShared(Catalog& catalog);
void AddBackgrounds(Catalog& catalog);
void AddMenu(Catalog& catalog);
void AddTamblo(Catalog& catalog);
void AddZentar(Catalog& catalog);
void AddKrevin(Catalog& catalog);
void AddEditors(Catalog& catalog);
void AddLupido(Catalog& catalog);
void AddMorvex(Catalog& catalog);
void AddQuadrel(Catalog& catalog);

// A colour-keyed GIF: the canvas's uncovered pixels become KeyMagenta.
void AddKeyedGif(Catalog& catalog, std::string path, std::function<Canvas()> draw);
void AddOpaqueGif(Catalog& catalog, std::string path, std::function<Image()> draw);
void AddJpeg(Catalog& catalog, std::string path, std::function<Image()> draw);
void AddWav(Catalog& catalog, std::string path, std::function<Sound()> make);
void AddMidi(Catalog& catalog, std::string path, std::function<std::vector<unsigned char>()> make);

} // namespace assetgen
