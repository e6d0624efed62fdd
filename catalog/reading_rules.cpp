#include "catalog/reading_rules.h"

namespace spinfolio {

std::string TagValue(std::string_view line, std::string_view openTag) {
  const auto open = line.find(openTag);
  if (openTag.empty() || open == std::string_view::npos) return {};
  std::string closeTag(1, openTag.front());
  closeTag += '/';
  closeTag += openTag.substr(1);
  const auto start = open + openTag.size();
  const auto close = line.find(closeTag);
  if (close == std::string_view::npos || close <= start) return {};
  return std::string(line.substr(start, close - start));
}

DiscType DiscTypeOf(std::string_view entry) {
  if (entry.starts_with("<f>")) return DiscType::Movies;
  if (entry.starts_with("<z>")) return DiscType::Photos;
  if (entry.starts_with("<pr>")) return DiscType::Programs;
  if (entry.starts_with("<m>")) return DiscType::Music;
  return DiscType::NotSet;
}

bool IsLent(std::string_view entry) {
  // Positions from 1, 0 when absent: a "<p>" without any "</n>" counts as lent too.
  const auto position = [entry](std::string_view tag) {
    const auto at = entry.find(tag);
    return at == std::string_view::npos ? std::size_t{0} : at + 1;
  };
  return position("</n>") < position("<p>");
}

}  // namespace spinfolio
