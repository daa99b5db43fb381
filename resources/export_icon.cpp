// Writes the window icon as a file for the desktop (.xpm) or for Windows (.ico), at build time.
#include <cstdio>
#include <fstream>
#include <string>

#include "icon_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.xpm|OUTPUT.ico\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    std::ofstream file(path, std::ios::binary);
    if (path.ends_with(".xpm")) {
        file << pruhomat::iconAsXpm(pruhomat::windowIcon(32), "pruhomat");
    } else if (path.ends_with(".ico")) {
        const auto bytes = pruhomat::iconsAsIco({&pruhomat::windowIcon(16), &pruhomat::windowIcon(32)});
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    } else {
        std::fprintf(stderr, "%s: unknown kind of icon file\n", path.c_str());
        return 2;
    }
    return file ? 0 : 1;
}
