#include "dialogs/Dialogs.h"

#include "document/CommandFailure.h"

#include <exception>

namespace volmar {

void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        dialogs.ShowError(parent, FailureMessage(error));
    }
}

} // namespace volmar
