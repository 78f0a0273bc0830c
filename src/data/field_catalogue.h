#pragma once

#include "data/app_state.h"

#include <QStringList>

namespace solario {

// Kind letters of the catalogue.
inline const QString kKindText = QStringLiteral("S");
inline const QString kKindNumber = QStringLiteral("N");
inline const QString kKindYesNo = QStringLiteral("B");

inline const QString kMaterialTable = QStringLiteral("アスベスト建材情報マスタ");
inline const QString kContainingTable = QStringLiteral("一般名－部位_含有マスタ");
inline const QString kNonContainingTable = QStringLiteral("一般名－部位_非含有マスタ");

// The columns of the two general-name tables besides 一般名 and ID: one per
// construction part (the floor has two), then the two usages.
const QStringList& GeneralNamePartColumns();
const QStringList& GeneralNameUsageColumns();

// The columns of a material table in their stored order: the catalogue's 83 for the
// product table; 一般名, ID, the part and the usage columns for the general-name tables.
// Empty for any other name.
QStringList MaterialTableColumns(const QString& table);

// The statement that creates a material table as the program reads it: the product
// table keyed by ID, text columns TEXT, numbers and yes/no INTEGER; in the general-name
// tables 一般名 and ID TEXT, the part and usage columns INTEGER.
QString CreateMaterialTableSql(const QString& table);

// The columns that the full record shows as tick boxes and prints as captions (yes/no
// columns, and the material texts, ticked when not empty),
// in the order of the screen and the report, with the caption of each.
enum class FlagGroup {
    BuildingKind, // 建物の種類
    Exterior,     // 外装材
    Interior,     // 内装材
    Fireproofing, // 耐火被覆材
    Equipment,    // 設備
    OtherPart,    // その他
    Usage,        // 使われ方
    Material,     // 素材
};
struct FlagColumn {
    QString column;
    QString caption;       // beside the tick box on the screen
    QString reportCaption; // on the printed record
};
QList<FlagColumn> FlagColumns(FlagGroup group);

// Fills the catalogue: the 83 columns of the material table in the order every query,
// the grid, the detail screen and the printouts use.
void InitFieldCatalogue(AppState& s);

// The first catalogue row whose name contains the text (case-sensitive), or -1.
qint32 FindFieldIndex(const AppState& s, const QString& text);

} // namespace solario
