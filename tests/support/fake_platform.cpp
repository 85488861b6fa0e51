#include "support/fake_platform.h"

#include <fstream>

#include "model/file_access.h"

namespace gs::test {

std::optional<PictureSize> FakePlatform::pictureSize(const std::string& path) {
    if (!isRegularFile(path)) return std::nullopt;  // as the real platform: no FIFO is opened
    std::ifstream in(path);
    PictureSize size;
    if (in >> size.width >> size.height) return size;
    return std::nullopt;
}

void writePicture(const std::string& path, int width, int height) {
    std::ofstream(path) << width << ' ' << height << '\n';
}

}  // namespace gs::test
