#include "windows/command_guard.h"

#include "storage/app_error.h"
#include "platform/dialogs.h"

void runGuarded(Dialogs& dialogs, const std::function<void()>& command)
{
    try {
        command();
    } catch (const AppError& error) {
        dialogs.runtimeError(error.text());
    } catch (const std::exception& error) {
        dialogs.runtimeError(QString::fromLocal8Bit(error.what()));
    }
}
