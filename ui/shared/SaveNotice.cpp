#include "ui/shared/SaveNotice.h"

#include "platform/DesktopHost.h"
#include "text/Messages.h"

namespace vornel {

void tellIfNotSaved(const SaveResult& result, bool useGreek)
{
    if (!result)
        DesktopHost().showMessage(Messages::changeNotSaved(useGreek, result.failure()));
}

}  // namespace vornel
