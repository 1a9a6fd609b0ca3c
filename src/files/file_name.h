#pragma once
// The current file name and the rules that test and adjust it. Names are UTF-8; the rules look
// only at the last path component, so a folder name never changes what is read or written.

#include <string>
#include <string_view>

namespace volantis4 {

/// True when the last component is exactly one of the open dialog's patterns "*.da4",
/// "*.DA4", "*.vn4", "*.VN4": such a name is never read.
bool isFilterPattern(std::string_view name);

/// True when the last component contains ".da4" or ".DA4" (case-sensitive): read as a legacy data file.
bool namesLegacyFile(std::string_view name);

/// True when the last component contains ".vn4" or ".VN4" (case-sensitive): loading sets wings 4 and 5.
bool namesAircraftFile(std::string_view name);

/// The name a save writes to: with ".da4" in it the third-last and second-last characters become
/// "v" and "n" (with ".DA4" "V" and "N"); then ".vn4" is appended unless ".vn4" or ".VN4" is in it.
std::string adjustFileName(std::string_view name);

/// The name with its last component lower-cased (full Unicode case mapping, independent of the
/// locale); the folder part stays as it is.
std::string withLowerCasedFilePart(std::string_view name);

}  // namespace volantis4
