// Contact sheets: every picture of a folder on one PNG, each with its name and size.
#pragma once

#include <filesystem>

namespace assetgen {

bool WriteContactSheet(const std::filesystem::path& folder, const std::filesystem::path& file);

} // namespace assetgen
