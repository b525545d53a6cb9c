#pragma once
#include <filesystem>
#include <string>

namespace plat {

// The folder of the executable: datas/ and ats/ sit beside it.
std::filesystem::path program_folder();

// Tells the user, in French, why the program cannot go on (UTF-8 text).
void show_fatal_error(const std::string& message_utf8);

}  // namespace plat
