#pragma once

#include <initializer_list>
#include <string>

namespace spinfolio::fake {

/// Appends one line, the fields joined by "|", to the file named by SPINFOLIO_FAKE_LOG.
void Record(std::initializer_list<std::string> fields);

/// The text a null or empty argument stands for in the log.
std::string Text(const char* text);

/// An environment variable's value, empty when unset.
std::string Setting(const char* name);

}  // namespace spinfolio::fake
