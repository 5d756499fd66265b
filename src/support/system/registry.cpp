#include "support/system/registry.h"

namespace {
std::string& VendorKeyOverride() {
  static std::string path;
  return path;
}
}  // namespace

void SetVendorKeyPath(const std::string& path) { VendorKeyOverride() = path; }

std::string VendorKeyPath() {
  return VendorKeyOverride().empty() ? std::string(kVendorKeyPath) : VendorKeyOverride();
}
