#pragma once
#include <filesystem>
#include <string>

namespace plat {

// The folder of the executable: datas/ and ats/ sit beside it.
std::filesystem::path program_folder();

// Whether this user may create files in the folder.
bool folder_writable(const std::filesystem::path& folder);

// Where this user's files of the named program live: $XDG_DATA_HOME/name,
// by default ~/.local/share/name.
std::filesystem::path user_data_folder(const std::string& name);

// Tells the user, in French, why the program cannot go on (UTF-8 text).
void show_fatal_error(const std::string& message_utf8);

}  // namespace plat
