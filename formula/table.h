// The table file: the recalculated analyses side by side, TAB-separated, in
// blocks of up to eight columns.
#pragma once

#include "calcdata.h"

namespace velm {

// Buffers the current analysis as the next column and writes a block when
// eight are buffered. With EndOfInput set it adds nothing and writes the
// columns still buffered (row labels only when there are none).
void AddTabColumn(RunState& S);

// Writes columns 1..TabCount of the buffer to S.TabFile.
void WriteTabBlock(RunState& S);

}  // namespace velm
