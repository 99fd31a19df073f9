#pragma once
// Splits a line into blank-separated tokens. A token with blanks is written in
// double quotes with \" and \\ as escapes (and \n for a line break); "" is the
// empty text. Used by the window descriptions and by the script driver.
#include <stdexcept>
#include <string>
#include <vector>

namespace tv {

struct TokenError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws TokenError on an unterminated quote or a bad escape.
std::vector<std::string> tokenize(const std::string& line);

// Quotes a text so that tokenize() reads it back as one token.
std::string quote(const std::string& text);

}  // namespace tv
