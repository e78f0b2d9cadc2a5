// SPDX-License-Identifier: GPL-3.0-or-later
// How the command line stops on a fault: the message, and the status to exit
// with (1 for data that does not read or cannot be written, 2 for a mistake
// in the command line itself).
#pragma once

#include <QString>

namespace tarnquil {

enum ExitStatus { success = 0, dataFault = 1, usageFault = 2 };

// Thrown while the command line is read: the message, and the status to exit with.
struct Failure {
    QString message;
    ExitStatus status;
};

[[noreturn]] inline void usageError(const QString& message)
{
    throw Failure{message, usageFault};
}

[[noreturn]] inline void dataError(const QString& message)
{
    throw Failure{message, dataFault};
}

}  // namespace tarnquil
