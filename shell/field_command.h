#pragma once
// tolvane-cli field TYPE key=value ... [--json]: one field solution from the
// shell, without starting the program.
#include <iosfwd>
#include <string>
#include <vector>

namespace tv {

// args: everything after "field". Returns the exit status: 0 solved, 2 for
// a type, key or value that is missing or wrong (explained on err).
int runFieldCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tv
