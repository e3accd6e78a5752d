#pragma once
#include <string>

namespace vornel {

// The folder of the running executable, without a trailing '/'; the root
// folder gives "" so that AppFolder() + "/name" is always a valid path.
std::string AppFolder();

}  // namespace vornel
