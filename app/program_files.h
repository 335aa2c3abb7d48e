#pragma once
// The files that come with the program: the help file and the default keyword files. A build
// tree or a copied folder keeps them beside the executable; an installed program keeps them in
// its data folder, <prefix>/share/quillet/, found from the executable in <prefix>/bin/.

#include <string>
#include <string_view>

namespace quillet {

// `name` beside the executable `exePath` when a file of that name is there, else in the data
// folder when it is there, else beside the executable (whether it exists or not), so that a
// missing file still has the name the program documents.
std::string FindProgramFile(std::string_view exePath, std::string_view name);

}  // namespace quillet
