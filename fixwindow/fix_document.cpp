// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_document.h"

#include "routefiles/observation_file.h"
#include "widgets/document_files.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString filter = u"陆标定位观测 (*.csv)"_s;
const QString title = u"陆标定位"_s;

// Rows with no text are no observations: a window and its file agree
// without them.
FixTexts withoutEmptyRows(FixTexts texts)
{
    texts.rows.removeIf([](const ObservationRow& row) { return row.isEmpty(); });
    return texts;
}

bool sameTexts(const FixTexts& a, const FixTexts& b)
{
    return a.rows == b.rows && a.settings == b.settings;
}

}  // namespace

FixDocument::FixDocument(QWidget* window, std::function<FixTexts()> current,
                         std::function<void(const FixTexts&)> show)
    : window_(window),
      current_(std::move(current)),
      show_(std::move(show)),
      prompt_(messageBoxPrompt(window, QMessageBox::Warning, title)),
      saveQuestion_(messageBoxSaveQuestion(window, title))
{
}

bool FixDocument::isModified() const
{
    return !sameTexts(withoutEmptyRows(current_()), withoutEmptyRows(saved_));
}

bool FixDocument::open()
{
    if (!mayDiscardChanges())
        return false;
    const QString path = askForOpenFile(window_, u"打开观测"_s, QFileInfo(path_).path(), filter);
    return !path.isEmpty() && openFile(path);
}

bool FixDocument::openFile(const QString& path)
{
    const ObservationFileReading reading = readObservationFile(path);
    if (!reading.error.isEmpty()) {
        prompt_(reading.error);
        return false;
    }
    path_ = path;
    saved_ = reading.texts;
    show_(reading.texts);
    if (fileChanged_)
        fileChanged_();
    return true;
}

bool FixDocument::save()
{
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool FixDocument::saveAs()
{
    const QString proposed = path_.isEmpty() ? QDir::home().filePath(u"观测.csv"_s) : path_;
    const QString path = askForSaveFile(window_, u"保存观测"_s, proposed, filter, u"csv"_s);
    return !path.isEmpty() && saveTo(path);
}

bool FixDocument::saveTo(const QString& path)
{
    const FixTexts texts = withoutEmptyRows(current_());
    if (const QString error = writeObservationFile(path, texts); !error.isEmpty()) {
        prompt_(error);
        return false;
    }
    path_ = path;
    saved_ = texts;
    if (fileChanged_)
        fileChanged_();
    return true;
}

bool FixDocument::mayDiscardChanges()
{
    return tarnquil::mayDiscardChanges(isModified(), u"观测"_s, path_, saveQuestion_,
                                       [this] { return save(); });
}

}  // namespace tarnquil
