// The paths the window derives: the names of a run's output files and the
// folder the open dialog starts in. Plain strings, so they can be checked
// without a window.
#pragma once

#include <string>

namespace velm {

// The path the three output files of a run are named from: the chosen
// analysis file with the four characters from the last "." of its own name
// deleted (fewer when the name ends sooner). A dot in a folder name is left
// alone, and a name without a dot is kept whole. "/data/analyses.txt" gives
// "/data/analyses", so the report becomes "/data/analyses_o.txt";
// "/data/grt.1.txt" gives "/data/grt.1".
std::string OutputBase(const std::string& path);

// The open dialog's start folder, ending in "/": the folder that holds the
// application bundle when the executable lies in "<name>.app/Contents/MacOS",
// otherwise the executable's own folder.
std::string StartDirFor(const std::string& exeFolder);

}  // namespace velm
