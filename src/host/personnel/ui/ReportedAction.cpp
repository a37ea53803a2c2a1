#include "ReportedAction.h"

#include "Messages.h"
#include "db/DbError.h"

bool RunReported(IMessages& messages, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAbort&) {
        return false;
    } catch (const EDatabaseError& error) {
        messages.error(error.message());
        return false;
    }
}
