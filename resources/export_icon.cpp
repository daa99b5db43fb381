// Writes the window icon as a file for the desktop (.xpm, or .png of a size) or for Windows
// (.ico), at build time.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "icon_files.h"

namespace {

void write(std::ofstream& file, const std::vector<std::uint8_t>& bytes) {
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "";
    const bool png = path.ends_with(".png");
    if (argc != (png ? 3 : 2)) {
        std::fprintf(stderr, "usage: %s OUTPUT.xpm|OUTPUT.ico|OUTPUT.png SIZE\n", argv[0]);
        return 2;
    }
    std::ofstream file(path, std::ios::binary);
    if (png) {
        write(file, pruhomat::iconAsPng(pruhomat::desktopIcon(std::atoi(argv[2]))));
    } else if (path.ends_with(".xpm")) {
        file << pruhomat::iconAsXpm(pruhomat::windowIcon(32), "pruhomat");
    } else if (path.ends_with(".ico")) {
        write(file, pruhomat::iconsAsIco({&pruhomat::windowIcon(16), &pruhomat::windowIcon(32)}));
    } else {
        std::fprintf(stderr, "%s: unknown kind of icon file\n", path.c_str());
        return 2;
    }
    return file ? 0 : 1;
}
