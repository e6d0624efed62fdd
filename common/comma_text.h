#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spinfolio {

/// Comma text: a list of items written as one line, the form of several settings values.
/// An item holding a double quote, a comma, a blank or a character of code 1 to 32 is written in
/// double quotes with inner quotes doubled; a list of one empty item is written as two quotes.
std::string ToCommaText(const std::vector<std::string>& items);

/// Reads comma text: blanks and control characters before an item are skipped; a quoted item runs
/// to its closing quote (a doubled quote stands for one); any other item runs to the next comma
/// or blank; a comma at the very end adds an empty item.
std::vector<std::string> FromCommaText(std::string_view text);

}  // namespace spinfolio
