#include "paths.h"

namespace velm {

std::string OutputBase(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  // The last dot, so that grt.1.txt and grt.2.txt keep apart.
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path;
  std::string base = path;
  base.erase(dot, 4);
  return base;
}

std::string StartDirFor(const std::string& exeFolder) {
  std::string dir = exeFolder;
  if (dir.empty() || dir.back() != '/') dir += '/';
  const std::string inBundle = ".app/Contents/MacOS/";
  if (dir.size() <= inBundle.size() ||
      dir.compare(dir.size() - inBundle.size(), inBundle.size(), inBundle) != 0)
    return dir;
  // Drop "<name>.app/Contents/MacOS/", keeping the slash before the bundle.
  const std::size_t bundleEnd = dir.size() - inBundle.size();
  const std::size_t slash = dir.rfind('/', bundleEnd);
  return slash == std::string::npos ? dir : dir.substr(0, slash + 1);
}

}  // namespace velm
