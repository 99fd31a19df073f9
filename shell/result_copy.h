#pragma once
// Copying results: what a result field puts on the clipboard. Results always
// show a point; what is copied uses the user's separator, so that a copied
// result pastes into an input field and reads there.
#include <string>

namespace tv {

// Whether a read-only field's text is a result: a number ("1.4692 Amps",
// "6.20:1") or "N/A". Such fields take a tab stop; unit boxes ("mils") don't.
bool showsResult(const std::string& text);
// Ctrl+C: the number alone ("1.4692 Amps" -> "1,4692" under a comma); a text
// without a number ("N/A") as it is.
std::string copiedNumber(const std::string& text, const std::string& separator);
// "Copy with Unit": the number in the user's separator, then the unit as shown
// ("1,4692 Amps").
std::string copiedWithUnit(const std::string& text, const std::string& separator);

}  // namespace tv
