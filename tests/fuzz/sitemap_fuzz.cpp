#include <string_view>

#include "deeppromo/sitemap.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::ParseSitemap(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
