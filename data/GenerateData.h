#pragma once
// Writing the three data files from the sources in data/.
#include <string>

namespace jx::data {

// Each writes its file under a temporary name and renames it into place.
// `sourceFolder` holds the readable sources; throws std::runtime_error on a
// bad source or a failed write.
void WriteSanBirth(const std::string& sourceFolder, const std::string& path);
void WriteDream(const std::string& sourceFolder, const std::string& path);
void WriteSanFile(const std::string& sourceFolder, const std::string& path);

inline constexpr unsigned kPairingKey = 8539;
inline constexpr int kPairingRounds = 7;

}  // namespace jx::data
