#pragma once
#include <filesystem>

namespace plat {

// A file of the folder was just written whole and renamed into place: this
// makes the folder's new state outlast the program (on the desktop, the
// rename reaches the disk; in the browser, the folder's copy in the page's
// storage is brought up to date).
void make_durable(const std::filesystem::path& folder);

}  // namespace plat
