#include "storage/DataFiles.h"

#include "storage/SafeFile.h"

namespace vornel {

void removeOrphanedTemporaries(const std::filesystem::path& folder)
{
    for (const char* name : DataFile::Saved)
        removeOrphanedTemporariesOf(folder / name);
}

}  // namespace vornel
