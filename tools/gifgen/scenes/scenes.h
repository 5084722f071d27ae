// One function per demonstration: what the user does on the screen.
#pragma once

#include "tools/gifgen/session.h"

namespace torvek::gifgen {

void RecordDistanceDimensioning(Session& s);
void RecordDoubleClickBarChange(Session& s);
void RecordLeftHandBarChange(Session& s);
void RecordBeamNotationMove(Session& s);
void RecordBeamNumberMerge(Session& s);
void RecordColumnPositionDimensions(Session& s);
void RecordStairSlabBars(Session& s);
void RecordLineOffset(Session& s);
void RecordLocalEnlargement(Session& s);
void RecordSequentialNumbering(Session& s);
void RecordBatchPrinting(Session& s);

}  // namespace torvek::gifgen
