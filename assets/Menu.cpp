#include "assets/Catalog.h"
namespace assetgen {
void AddMenu(Catalog&) {}
} // namespace assetgen
