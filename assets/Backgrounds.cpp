#include "assets/Catalog.h"
namespace assetgen {
void AddBackgrounds(Catalog&) {}
} // namespace assetgen
