// Rules of the main window: the remembered configuration files
// ("default.dia"), file names shown beside the slots, the versioned caption,
// the version-resource key and the About text.
#ifndef DIAG_WINDOWS_MAIN_RULES_H
#define DIAG_WINDOWS_MAIN_RULES_H

#include <array>
#include <cstdint>
#include <string>

namespace diag {

constexpr int kConfigSlots = 3;
constexpr std::size_t kMaxPathChars = 254;
using ConfigSlots = std::array<std::string, kConfigSlots>;

// Three lines, each cut at 254 characters (the rest of an overlong line is
// skipped), one trailing line feed removed; a carriage return stays. Missing
// lines give empty slots.
ConfigSlots ParseDefaultDia(const std::string &content);
// Each slot followed by a single line feed.
std::string FormatDefaultDia(const ConfigSlots &slots);
// Empty slots when the file cannot be read.
ConfigSlots LoadDefaultDia(const std::string &path);
// False when the file could not be written.
bool SaveDefaultDia(const std::string &path, const ConfigSlots &slots);
std::string DefaultDiaPath(const std::string &directory);

// The part after the last backslash; empty when there is none.
std::string FileNameAfterLastBackslash(const std::string &path);

// Open-file dialog filter for an extension, in the "Description|*.EXT|" form.
std::string ConfigFileFilter(const std::string &extension);

std::string MainCaption(const std::string &version);
// Key of the file version string under the first translation of the version resource.
std::string FileVersionKey(std::uint16_t language, std::uint16_t codePage);
std::string AboutText(const std::string &version);

}  // namespace diag

#endif
