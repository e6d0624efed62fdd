#pragma once

#include <string>

namespace spinfolio {

// Names of the catalog files, shared by the program and the archive library. Indices are plain
// decimal: "cd0", "cd12", "op3", "k0", "cd7.jpg".

inline constexpr char kDiscListFile[] = "plyty";
inline constexpr char kCategoryListFile[] = "kat";

std::string ContentFileName(int disc);      // "cd<N>", the content list of a disc
std::string DescriptionFileName(int disc);  // "op<N>", a disc's description
std::string MemberFileName(int category);   // "k<N>", the discs of a category
std::string PhotoFileName(int disc);        // "cd<N>.jpg", in the photo folder

/// The photo folder of an archive: the archive path without its extension (the text from the
/// last "." of the file name on) + "-graph/".
std::string PhotoFolderFor(const std::string& archivePath);

}  // namespace spinfolio
