// Filing a read disc and changing a filed disc's data: names, entries and files.

#include "acquire/disc_filing.h"

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include "common/catalog_names.h"
#include "common/file_ops.h"

namespace spinfolio {
namespace {

constexpr std::array<std::string_view, 11> kTagTexts = {
    "<n>", "</n>", "<p>", "<k>", "</k>", "<f>", "<z>", "<pr>", "<m>", "<r>", "</r>"};

constexpr std::array<std::string_view, 5> kTypeTags = {"", "<f>", "<z>", "<pr>", "<m>"};

// Deletes a file when it is there, giving its owner write permission first.
std::error_code DeleteIfPresent(const std::filesystem::path& file) {
  if (!PathExists(file)) return {};
  ClearAttributes(file);
  return DeleteFileAt(file);
}

// Writes the description, or removes a description file left under the index when it is empty.
std::optional<FilingFailure> StoreDescription(const std::string& file, const Lines& description) {
  if (description.empty()) {
    DeleteIfPresent(file);
    return std::nullopt;
  }
  if (const std::error_code error = WriteLines(file, description)) return FilingFailure{file, error};
  return std::nullopt;
}

}  // namespace

bool IsDiscNameSafe(const std::string& name) {
  if (name.find_first_of("\r\n") != std::string::npos) return false;
  return std::none_of(kTagTexts.begin(), kTagTexts.end(), [&](std::string_view tag) {
    return name.find(tag) != std::string::npos;
  });
}

bool IsDiscNameValid(const Lines& discList, const std::string& name, int exceptIndex) {
  if (name.empty() || !IsDiscNameSafe(name)) return false;
  const std::string wanted = "<n>" + name + "</n>";
  for (std::size_t i = 0; i < discList.size(); ++i) {
    if (static_cast<int>(i) == exceptIndex) continue;
    if (discList[i].find(wanted) != std::string::npos) return false;
  }
  return true;
}

bool IsDiscNameValid(const std::string& catalogFolder, const std::string& name, int exceptIndex) {
  return IsDiscNameValid(ReadLinesOrEmpty(catalogFolder + kDiscListFile), name, exceptIndex);
}

std::string BuildDiscEntry(const DiscData& disc) {
  std::string entry = "<n>" + disc.name + "</n>";
  if (disc.lent) {
    entry += "<p>";
    if (!disc.borrower.empty()) entry += "<k>" + disc.borrower + "</k>";
  }
  if (disc.type >= 1 && disc.type <= 4) {
    entry.insert(0, kTypeTags[static_cast<std::size_t>(disc.type)]);
  }
  return entry;
}

bool HasJpegExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".jpg" || extension == ".jpeg";
}

std::error_code WriteJpeg(const std::filesystem::path& target, const RgbPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgb.size() < static_cast<std::size_t>(picture.width) * 3 *
                               static_cast<std::size_t>(picture.height)) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  std::FILE* out = std::fopen(target.c_str(), "wb");
  if (out == nullptr) return {errno, std::generic_category()};
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
  while (info.next_scanline < info.image_height) {
    // libjpeg takes rows through a non-const pointer but does not write to them.
    auto* row = const_cast<JSAMPLE*>(picture.rgb.data() + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  const bool flushed = std::fflush(out) == 0 && std::ferror(out) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(out) == 0;
  if (!flushed) return {flushError, std::generic_category()};
  if (!closed) return {errno, std::generic_category()};
  return {};
}

std::error_code StorePhoto(const std::string& source, const RgbPicture& picture,
                           const std::filesystem::path& target) {
  // A file already lying under the target name is replaced, never kept.
  if (const std::error_code error = DeleteIfPresent(target)) return error;
  const std::error_code error = HasJpegExtension(source)
                                    ? CopyFileTo(source, target, Replace::Yes)
                                    : WriteJpeg(target, picture);
  if (error) return error;
  return ClearAttributes(target);
}

std::optional<FilingFailure> FileNewDisc(CatalogLocation& location, const DiscData& disc,
                                         const RgbPicture& picture, const Lines& content,
                                         Lines& discList) {
  const int index = location.DiscCount;
  const std::string folder = location.catalogFolder();
  if (disc.hasPhoto) {
    // The photo is not part of the catalog's consistency: a failure leaves the disc without one.
    MakeFolders(location.PhotoFolder);
    StorePhoto(disc.photoSource, picture, location.PhotoFolder + PhotoFileName(index));
  }
  if (auto failure = StoreDescription(folder + DescriptionFileName(index), disc.description)) {
    return failure;
  }
  const std::string contentFile = folder + ContentFileName(index);
  if (const std::error_code error = WriteLines(contentFile, content)) {
    return FilingFailure{contentFile, error};
  }
  const std::string listFile = folder + kDiscListFile;
  discList = ReadLinesOrEmpty(listFile);
  discList.push_back(BuildDiscEntry(disc));
  if (const std::error_code error = WriteLines(listFile, discList)) {
    discList.pop_back();
    return FilingFailure{listFile, error};
  }
  location.DiscCount = static_cast<int>(discList.size());
  return std::nullopt;
}

std::optional<FilingFailure> ChangeDisc(const CatalogLocation& location, int index,
                                        const DiscData& disc, const RgbPicture& picture,
                                        Lines& discList) {
  const std::string folder = location.catalogFolder();
  const std::string photo = location.PhotoFolder + PhotoFileName(index);
  if (!disc.hasPhoto) {
    DeleteIfPresent(photo);
  } else if (disc.photoSource != photo) {
    MakeFolders(location.PhotoFolder);
    StorePhoto(disc.photoSource, picture, photo);
  }
  if (auto failure = StoreDescription(folder + DescriptionFileName(index), disc.description)) {
    return failure;
  }
  const std::string listFile = folder + kDiscListFile;
  discList = ReadLinesOrEmpty(listFile);
  if (index >= 0 && static_cast<std::size_t>(index) < discList.size()) {
    discList[static_cast<std::size_t>(index)] = BuildDiscEntry(disc);
  }
  if (const std::error_code error = WriteLines(listFile, discList)) {
    return FilingFailure{listFile, error};
  }
  return std::nullopt;
}

}  // namespace spinfolio
