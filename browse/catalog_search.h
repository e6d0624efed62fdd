#pragma once

#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace spinfolio {

/// Where a search looks for its query.
struct SearchScopes {
  bool titles = false;        // the disc names
  bool content = false;       // the paths of the content entries (never their sizes)
  bool descriptions = false;  // the description text

  bool any() const { return titles || content || descriptions; }
};

/// One search over the catalog folder. Nothing is kept between searches: every search reads the
/// content lists and descriptions afresh.
struct CatalogSearch {
  std::string_view catalogFolder;            // ends in "/"
  std::span<const std::string> discEntries;  // line i: the disc entry of disc i
  int discCount = 0;
  SearchScopes scopes;
  std::string_view query;  // in the code page, as typed
  const CodePage& codePage = CodePage::System();
  /// Called now and then while the search runs, at most once per progressInterval, so that a
  /// window can repaint.
  std::function<void()> progress{};
  std::chrono::milliseconds progressInterval{30};
};

/// The discs found, in ascending order. The text of disc i is made of lines, each followed by
/// CR LF: the content path (TagValue "<n>") of every line of "cd<i>" when searching content,
/// the disc name of entry i when searching titles, every line of "op<i>" when searching
/// descriptions (a missing file gives no lines); the disc is found when the query occurs in
/// that text lower-cased by the code page.
std::vector<int> SearchCatalog(const CatalogSearch& search);

}  // namespace spinfolio
