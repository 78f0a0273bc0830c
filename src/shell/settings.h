#pragma once

#include "data/app_state.h"
#include "shell/platform.h"

#include <QDate>

namespace solario {

inline const QString kSettingsFileName = QStringLiteral("app.ini");
inline const QString kHelpFileName = QStringLiteral("app.qhc");

// Reads PdfFolder and the seven document paths from app.ini in the program folder. An
// app.ini that is there but is no regular file (a folder, a pipe, a device) is not
// opened: the settings stay empty and the failure says so.
Status LoadSettings(AppState& s);

// A document path as app.ini gives it, turned into one this desktop can open:
// "\" and "/" both separate folders, and a relative path starts at the program folder.
QString ResolveDocumentPath(const QString& programFolder, const QString& path);

// Opens a document with the desktop's viewer: only a regular PDF file (by its extension)
// inside the documents folder (the program folder without one), after `..` and links are
// resolved, is handed to the desktop; anything else, a missing file, or a desktop that
// cannot open it is told in a box naming the file. Returns whether it was opened.
bool OpenDocument(const AppState& s, Platform& platform, const QString& path);

// The user's own choices, kept between runs in the user's settings (not in app.ini, which
// belongs to the installation): the folder a kind of file ("pdf", "csv") was last saved
// in, the user's documents folder until then.
QString LastUsedFolder(const QString& kind);
void RememberFolder(const QString& kind, const QString& folder);

// The width the user gave a column of a grid, by the grid's name and the column's heading
// (0 when none), and remembering one.
int RememberedColumnWidth(const QString& grid, const QString& heading);
void RememberColumnWidth(const QString& grid, const QString& heading, int width);

// The name a save suggests: the stem, what the file holds, the date as YYYYMMDD and the
// extension ("検索結果一覧_居室天井_仕上げ材_20261210.pdf"), so that two saves of a day keep
// apart. In the subject, what a file name cannot hold (\ / : * ? " < > |, control
// characters) and blanks become "_", and it is kept to 40 characters.
QString SuggestedFileName(const QString& stem, const QString& subject, const QString& extension,
                          const QDate& date = QDate::currentDate());

} // namespace solario
