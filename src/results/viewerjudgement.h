#pragma once

#include "analysis/resultsheet.h"

namespace tarvelo {

// Works out again, from the stored diameter and clearance texts of a sheet read from a
// result file, the two meter-error judgements, the four clearance judgements with their
// comments and colours, and the overall verdict. Every judgement sets its text colour,
// background and comment colour, so nothing of an earlier file's colouring survives.
// A diameter or clearance that is not a number, or a diameter before the change of 0,
// leaves that judgement and its comment empty on white; the verdict is then "N G".
void WorkOutStoredResults(ResultSheet& sheet);

}  // namespace tarvelo
