#include "ui/shared/SaveNotice.h"

#include "platform/DesktopHost.h"
#include "text/Messages.h"

namespace vornel {

void tellIfNotSaved(const SaveResult& result, bool useGreek)
{
    if (result)
        return;
    DesktopHost host;
    host.setGreek(useGreek);
    host.showMessage(Messages::changeNotSaved(useGreek, result.failure()));
}

}  // namespace vornel
