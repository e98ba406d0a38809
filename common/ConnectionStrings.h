#pragma once
#include <string>
#include <string_view>

namespace jx {

// The folder of the running executable with its trailing separator.
std::string ExecutableFolder();

// "Provider=...;Data Source=" + folder + separator + file + ";Persist Security Info=True".
// The folder keeps its own trailing separator, so the path holds two in a row;
// the database layer reads them as one.
std::string MakeConnectionString(std::string_view folder, std::string_view fileName);

std::string DreamConnectionString();
std::string SanFileConnectionString();
std::string SanBirthConnectionString();

}  // namespace jx
