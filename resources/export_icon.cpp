// Writes the window icon as a file for the desktop (.xpm, or .png of 16 or 32 pixels) or for
// Windows (.ico, with the scalable drawing's renderings as its large frames), at build time.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "icon_files.h"

namespace {

std::vector<std::uint8_t> read(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The file's bytes; empty for a kind of file this tool does not write.
std::vector<std::uint8_t> iconFile(const std::string& path, int argc, char** argv) {
    if (path.ends_with(".png")) {
        return pruhomat::iconAsPng(pruhomat::windowIcon(std::atoi(argv[2])));
    }
    if (path.ends_with(".xpm")) {
        const std::string text = pruhomat::iconAsXpm(pruhomat::windowIcon(32), "pruhomat");
        return {text.begin(), text.end()};
    }
    if (path.ends_with(".ico")) {
        std::vector<std::vector<std::uint8_t>> renderings;
        for (int index = 2; index < argc; ++index) {
            renderings.push_back(read(argv[index]));
        }
        return pruhomat::windowsIcon(renderings);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "";
    if (!path.ends_with(".ico") && argc != (path.ends_with(".png") ? 3 : 2)) {
        std::fprintf(stderr, "usage: %s OUTPUT.xpm | OUTPUT.png SIZE | OUTPUT.ico [RENDERED.png...]\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<std::uint8_t> bytes = iconFile(path, argc, argv);
        if (bytes.empty()) {
            std::fprintf(stderr, "%s: unknown kind of icon file\n", path.c_str());
            return 2;
        }
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.what());
        return 1;
    }
}
