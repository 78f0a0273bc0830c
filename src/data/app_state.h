#pragma once

#include "data/search_conditions.h"
#include "platform/connection.h"
#include "platform/keyed_recordset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace solario {

struct ReportDataEnvironment;

// The IDs of the listed products in the list's order, read from the open list when
// asked: a million rows need no million texts. Like the array the screens were written
// against, it has one empty entry after the last ID.
class ListIdView {
public:
    explicit ListIdView(const std::unique_ptr<KeyedRecordset>& list) : list_(list) {}
    qint32 size() const;
    // The ID at that index; empty past the last row or when no list is open.
    QString value(qint32 index) const;
    QString operator[](qint32 index) const { return value(index); }
    // Every ID, then the empty entry.
    QStringList ToList() const;

private:
    const std::unique_ptr<KeyedRecordset>& list_;
};

inline constexpr int kCatalogueCapacity = 161;
inline constexpr int kCharTableSize = 33;
inline constexpr int kMessageCount = 33;

// Where the material database in use was found. The user's data and the system's lie
// outside the installation, so that installing, upgrading or removing the program never
// touches them; the installation's own is the bundled sample.
enum class DatabasePlace { CommandLine, User, System, Program };

// The data edition shown on the menu and printed on every report.
inline const QString kDataEdition = QStringLiteral("２００６年１２月版");

// The state every screen shares, created once by the program (and afresh by each test)
// and handed to every screen by reference.
struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Folder the program was started from; the database lies there.
    QString ProgramFolder;

    // Field catalogue.
    std::array<QString, kCatalogueCapacity> FieldNames;
    std::array<QString, kCatalogueCapacity> FieldKinds;
    std::array<qint16, kCatalogueCapacity> FieldWidths{};
    qint32 FieldCount = 0;
    std::array<QString, 2> SortWords;

    // Where the material database is looked for (see LocateDatabase): the file given on
    // the command line, the user's and the system's data folders (empty: not looked in),
    // then the program folder; and the file in use, once found.
    QString DatabaseArgument;
    QString UserDataFolder;
    QString SystemDataFolder;
    QString DatabasePath;
    DatabasePlace DatabaseFoundIn = DatabasePlace::Program;

    // The material database.
    std::unique_ptr<Connection> MainConnection;
    // The result list's rows (keys in order, cells read as shown).
    std::unique_ptr<KeyedRecordset> MainRecordset;
    std::unique_ptr<Recordset> DetailRecordset;
    bool DbOpen = false;
    QString ConnectionString;
    // The open database says that its products are made up: every screen and printed
    // page then says so.
    bool SampleData = false;

    // The report tables and their recordsets.
    std::unique_ptr<ReportDataEnvironment> DataEnvironment1;

    QString DataVersion;

    // Settings, help and documents. HelpFile is the compiled help beside the program;
    // HelpWindow keeps the help viewer's last result.
    QString HelpFile;
    int HelpWindow = 0;
    QString PdfFolder;
    QString DocUsageNotes;
    QString DocRegisteredInfo;
    QString DocEnvironment;
    QString DocNameList;
    QString DocNinteiNo;
    QString DocPartsInfo;
    QString DocPeriodInfo;

    // The per-user lock that keeps a second instance from starting, and the user's local
    // socket by which a second start finds the running one (empty: none).
    QString InstanceLockPath;
    QString InstanceServerName;

    // Input rules and messages.
    std::array<QString, kCharTableSize> SpecialChars;
    std::array<QString, kCharTableSize> SpecialCharReplacements;
    std::array<QString, kMessageCount> Messages;

    int BackToMenu = 0;

    // What the last search asked for, for the notices and the printouts.
    QString CondStartYear;
    QString CondEndYear;
    QString CondSekobui;
    QString CondShiyoho;
    QString CondKenzaiName;
    QString CondMaker;
    QString CondShohin;
    QString CondKataban;
    QString CondNintei;
    // The route of the result list that is open (None while none is); its title
    // selects help topics and report texts.
    SearchRoute SearchRouteTitle = SearchRoute::None;

    // The result list and the open record.
    ListIdView ListIds{MainRecordset};
    QString ListBaseSql;
    QStringList DetailValues;

    // The usage route's general-name lookup. The lists hold at least 257 entries
    // (empty past GeneralNameCount) and grow to hold every name found.
    QString UsageWhere;
    int InsulationFlag = 0;
    int GeneralNameCount = 0;
    QStringList GeneralNames;
    QStringList GeneralNameIds;
    QList<int> GeneralNameCounts;
    QStringList NonContainingNames;
    QString NonContainingNameList;
    // The name selection: the ticks read from its check list, the ticked names (then one
    // empty entry) and the name condition.
    QList<int> GeneralNameChecks;
    QStringList SelectedNames;
    QString NameSelectWhere;
};

} // namespace solario
