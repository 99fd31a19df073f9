#pragma once
// The one-shot commands of tolvane-cli, each one calculation on the default
// settings, by the calculators' ids and their fields' ids:
//   list | describe CALC | calc CALC ... | solve CALC ... | sweep CALC ...
// Exit status: 0 clean; 1 when the program showed a message, a result shows
// no number ("N/A"), a target is out of reach or a file could not be
// written; 2 for a usage error.
#include <iosfwd>
#include <string>
#include <vector>

namespace tv::cli {

// Whether `word` names a one-shot command.
bool isOneShot(const std::string& word);
// args: everything after the command.
int runOneShot(const std::string& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace tv::cli
