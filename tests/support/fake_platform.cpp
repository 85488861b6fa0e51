#include "support/fake_platform.h"

#include <fstream>

namespace gs::test {

std::optional<PictureSize> FakePlatform::pictureSize(const std::string& path) {
    std::ifstream in(path);
    PictureSize size;
    if (in >> size.width >> size.height) return size;
    return std::nullopt;
}

void writePicture(const std::string& path, int width, int height) {
    std::ofstream(path) << width << ' ' << height << '\n';
}

}  // namespace gs::test
