// RoundDrawing: a drawing of many straight lines made straight into the
// model, every line marked with the round that made it, so that stored or
// loaded rows that come from different saves show.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// What is put back before a drawing is made.
enum class Fresh {
  Program,  // everything (ResetProgramState)
  Model,    // the drawing model only (ResetDrawingModel)
};

// The drawing model's state as at start, every other module's kept: what
// the program knows of files stays, as in a running program that closed
// its drawings.
void ResetDrawingModel();

// Drawing 1, named name at revision, with one layer and `lines` two-point
// lines of weight 1: line j from (j, 0) to (j, round), with Flag round, made
// after fresh is put back.
void MakeRoundDrawing(const String& name, const String& revision, long lines, int round,
                      Fresh fresh = Fresh::Program);

}  // namespace lintavo
