#include "common/ConnectionStrings.h"

#include <filesystem>
#include <system_error>

namespace jx {

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string MakeConnectionString(std::string_view folder, std::string_view fileName) {
    std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
    text += folder;
    text += '/';
    text += fileName;
    text += ";Persist Security Info=True";
    return text;
}

std::string DreamConnectionString() {
    return MakeConnectionString(ExecutableFolder(), "dream.dll");
}

std::string SanFileConnectionString() {
    return MakeConnectionString(ExecutableFolder(), "SanFile.dll");
}

std::string SanBirthConnectionString() {
    return MakeConnectionString(ExecutableFolder(), "SanBirth.dll");
}

}  // namespace jx
