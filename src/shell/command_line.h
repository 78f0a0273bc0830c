#pragma once

#include "data/database.h"

#include <QString>
#include <QStringList>

namespace solario {

// What the program's command line asks for: to run (with the database it names, if any),
// its usage, its version, or nothing it knows (then `problem` says why).
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString database;
    QString problem;
};

// Reads the arguments as the program got them (the program's name first).
CommandLine ParseCommandLine(const QStringList& arguments, bool japanese);

// Whether messages on the terminal are to be in Japanese: the user's locale says so.
bool UserReadsJapanese();

// The usage, in the user's language.
QString CommandLineHelp(bool japanese);

// The program's version, Qt's and SQLite's, and the database it would open.
QString VersionText(bool japanese, const DatabaseLocation& database);

// Whether there is a display to show the program on (on Linux: DISPLAY or WAYLAND_DISPLAY,
// or a platform named by QT_QPA_PLATFORM); the one-line message when there is not.
bool HasDisplay();
QString NoDisplayText(bool japanese);

} // namespace solario
