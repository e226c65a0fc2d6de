// Standard input, output and error of the process, made safe to use before
// the window opens its display connection.
#pragma once

namespace velm {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. A
// program started with, say, standard output closed would otherwise hand
// descriptor 1 to the display connection, and the epidote root finder's
// messages would be written into it.
void OpenClosedStandardStreams();

}  // namespace velm
