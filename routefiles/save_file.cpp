// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/save_file.h"

#include "text/file_messages.h"

#include <QSaveFile>

namespace tarnquil {

QString saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailure(path, reason);
    }
    if (!file.commit())
        return saveFailure(path, file.errorString());
    return {};
}

}  // namespace tarnquil
