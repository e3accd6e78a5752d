#pragma once
#include "storage/SafeFile.h"

namespace vornel {

// A save the player asked for that failed is told, with the reason, in a
// box of the window that asked.
void tellIfNotSaved(const SaveResult& result, bool useGreek);

}  // namespace vornel
