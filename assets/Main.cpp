// The asset generator: `assetgen FOLDER [FILTER]` writes every picture, sound and tune (or those
// whose path contains FILTER) under the program folder FOLDER; `assetgen --sheet FOLDER FILE.png`
// writes a contact sheet of the pictures in FOLDER.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "assets/Catalog.h"
#include "assets/Sheet.h"

namespace {

using assetgen::Catalog;

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

Catalog FullCatalog()
{
    Catalog catalog;
    assetgen::AddShared(catalog);
    assetgen::AddBackgrounds(catalog);
    assetgen::AddMenu(catalog);
    assetgen::AddTamblo(catalog);
    assetgen::AddZentar(catalog);
    assetgen::AddKrevin(catalog);
    assetgen::AddEditors(catalog);
    assetgen::AddLupido(catalog);
    assetgen::AddMorvex(catalog);
    assetgen::AddQuadrel(catalog);
    return catalog;
}

int Generate(const std::filesystem::path& folder, const std::string& filter)
{
    const auto started = std::chrono::steady_clock::now();
    Catalog all = FullCatalog();

    // The programs find files without regard to case, so two names differing only in case clash.
    std::set<std::string> seen;
    for (const auto& asset : all) {
        if (!seen.insert(Lower(asset.path)).second) {
            std::fprintf(stderr, "vandrel: assetgen: %s is listed twice\n", asset.path.c_str());
            return 1;
        }
    }
    Catalog catalog;
    for (auto& asset : all) {
        if (asset.path.find(filter) != std::string::npos) {
            catalog.push_back(std::move(asset));
        }
    }

    std::atomic<std::size_t> next{0};
    std::mutex failedLock;
    std::vector<std::string> failed;
    auto work = [&] {
        for (std::size_t i = next++; i < catalog.size(); i = next++) {
            if (!catalog[i].make(folder / catalog[i].path)) {
                const std::lock_guard<std::mutex> lock(failedLock);
                failed.push_back(catalog[i].path);
            }
        }
    };
    const unsigned threads = std::max(1U, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < threads; ++i) {
        pool.emplace_back(work);
    }
    for (auto& t : pool) {
        t.join();
    }
    std::sort(failed.begin(), failed.end());
    for (const auto& path : failed) {
        std::fprintf(stderr, "vandrel: assetgen: could not write %s\n", path.c_str());
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf("assetgen: %zu files in %.1f s\n", catalog.size() - failed.size(), took.count());
    return failed.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || (args[0] == "--sheet" && args.size() != 3) || args.size() > 3) {
        std::fprintf(stderr,
                     "usage: assetgen FOLDER [FILTER] | assetgen --sheet FOLDER FILE.png\n");
        return 2;
    }
    // The JPEG and PNG writers load their libraries here, once, before any thread needs them.
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    int status = 0;
    if (args[0] == "--sheet") {
        status = assetgen::WriteContactSheet(args[1], args[2]) ? 0 : 1;
    } else {
        status = Generate(args[0], args.size() > 1 ? args[1] : std::string());
    }
    IMG_Quit();
    return status;
}
