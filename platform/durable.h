#pragma once
#include <filesystem>

namespace plat {

// A file of the folder was just written whole and renamed into place: this
// makes the folder's new state outlast the program. On the desktop, the
// rename reaches the disk. In the browser, the same call copies the players'
// folder to the page's storage and waits until the copy is done, so that a
// tab closed the next instant keeps the save.
void make_durable(const std::filesystem::path& folder);

}  // namespace plat
