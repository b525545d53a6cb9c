#pragma once
// Where the program's typeface lies: Andika, made for children learning to
// read, else DejaVu Sans. The desktop asks fontconfig; the browser build
// carries the same files, chosen when it was built.
#include <string>

namespace plat {

struct FontFiles {
    std::string regular, bold;
};

FontFiles font_files();

}  // namespace plat
