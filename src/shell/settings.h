#pragma once

#include "data/app_state.h"
#include "shell/platform.h"

namespace solario {

inline const QString kSettingsFileName = QStringLiteral("app.ini");
inline const QString kHelpFileName = QStringLiteral("app.qhc");

// Reads PdfFolder and the seven document paths from app.ini in the program folder.
void LoadSettings(AppState& s);

// A document path as app.ini gives it, turned into one this desktop can open:
// "\" and "/" both separate folders, and a relative path starts at the program folder.
QString ResolveDocumentPath(const QString& programFolder, const QString& path);

// Opens the document with the desktop's viewer; nothing is reported when it cannot.
void OpenDocument(const AppState& s, Platform& platform, const QString& path);

} // namespace solario
