#pragma once

#include "data/app_state.h"
#include "platform/platform.h"

namespace solario {

inline const QString kSettingsFileName = QStringLiteral("app.ini");
inline const QString kHelpFileName = QStringLiteral("app.qhc");

// The value of a key of a section of an INI file, as the desktop's profile reader gives
// it: names compared without regard to case, blanks around the value and one pair of
// enclosing quotes removed, at most 511 bytes of the file's own encoding (UTF-8, with
// or without a byte-order mark, or Shift_JIS). Empty when the file, section or key is
// missing.
QString ReadIniValue(const QString& section, const QString& key, const QString& filePath);

// Reads PdfFolder and the seven document paths from app.ini in the program folder.
void LoadSettings(AppState& s);

// A document path as app.ini gives it, turned into one this desktop can open:
// "\" and "/" both separate folders, and a relative path starts at the program folder.
QString ResolveDocumentPath(const QString& programFolder, const QString& path);

// Opens the document with the desktop's viewer; nothing is reported when it cannot.
void OpenDocument(const AppState& s, Platform& platform, const QString& path);

} // namespace solario
