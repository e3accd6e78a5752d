#pragma once

class QApplication;

namespace vornel {

// A long session stays the size it was: large pictures come from mappings
// of their own, and what a closed window leaves free in the heap goes back
// to the system. Call before the application is made, and then with it.
void keepMemoryFlat();
void keepMemoryFlat(QApplication& app);

}  // namespace vornel
