// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/document_files.h"

#include <QFileDialog>
#include <QScreen>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarnquil {

QString documentFileName(const QString& path)
{
    return path.isEmpty() ? u"未命名"_s : QFileInfo(path).fileName();
}

bool mayDiscardChanges(bool modified, const QString& kind, const QString& path,
                       const SaveQuestion& ask, const std::function<bool()>& save)
{
    if (!modified)
        return true;
    switch (ask(u"%1“%2”已修改，是否保存？"_s.arg(kind, documentFileName(path)))) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

namespace {

constexpr qreal screenShare = 0.9;

QString askForFile(QFileDialog& dialog)
{
    if (const QScreen* screen = dialog.screen())
        dialog.resize(dialog.sizeHint().boundedTo(screen->availableSize() * screenShare));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace

QString askForSaveFile(QWidget* window, const QString& title, const QString& proposed,
                       const QString& filter, const QString& suffix)
{
    QFileDialog dialog(window, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return askForFile(dialog);
}

QString askForOpenFile(QWidget* window, const QString& title, const QString& folder,
                       const QString& filter)
{
    QFileDialog dialog(window, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return askForFile(dialog);
}

}  // namespace tarnquil
