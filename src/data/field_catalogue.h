#pragma once

#include "data/app_state.h"

namespace solario {

// Kind letters of the catalogue.
inline const QString kKindText = QStringLiteral("S");
inline const QString kKindNumber = QStringLiteral("N");
inline const QString kKindYesNo = QStringLiteral("B");

inline const QString kMaterialTable = QStringLiteral("アスベスト建材情報マスタ");
inline const QString kContainingTable = QStringLiteral("一般名－部位_含有マスタ");
inline const QString kNonContainingTable = QStringLiteral("一般名－部位_非含有マスタ");

// Fills the catalogue: the 83 columns of the material table in the order every query,
// the grid, the detail screen and the printouts use.
void InitFieldCatalogue(AppState& s);

// The first catalogue row whose name contains the text (case-sensitive), or -1.
qint32 FindFieldIndex(const AppState& s, const QString& text);

} // namespace solario
