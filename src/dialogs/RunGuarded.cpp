#include "dialogs/Dialogs.h"

#include "document/VolmarError.h"

#include <exception>

namespace volmar {

void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command) {
    try {
        command();
    } catch (const VolmarError& error) {
        dialogs.ShowError(parent, error.message());
    } catch (const std::bad_alloc&) {
        dialogs.ShowError(parent, QStringLiteral("Some operation could not be performed because "
                                                 "the system is out of resources. Close some "
                                                 "windows and try again."));
    } catch (const std::exception& error) {
        dialogs.ShowError(parent, QString::fromLocal8Bit(error.what()));
    }
}

} // namespace volmar
