#include "shell/command_line.h"

#include <QDir>
#include <QLocale>
#include <sqlite3.h>

namespace solario {
namespace {

QString Tr(bool japanese, const char16_t* ja, const char* en) {
    return japanese ? QString::fromUtf16(ja) : QString::fromLatin1(en);
}

} // namespace

bool UserReadsJapanese() {
    // The variables in the order the C library reads them for messages.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QStringLiteral("ja"));
    }
    return QLocale::system().language() == QLocale::Japanese;
}

CommandLine ParseCommandLine(const QStringList& arguments, bool japanese) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--help" || a == u"-h" || a == u"-?") {
            line.action = CommandLine::Action::Help;
        } else if (a == u"--version" || a == u"-v") {
            if (line.action != CommandLine::Action::Help)
                line.action = CommandLine::Action::Version;
        } else if (a == u"--database" || a.startsWith(u"--database=")) {
            const bool joined = a.startsWith(u"--database=");
            if (!joined && i + 1 >= arguments.size()) {
                line.action = CommandLine::Action::Refuse;
                line.problem = Tr(japanese, u"--database にはファイルを指定してください",
                                  "--database needs a file");
                return line;
            }
            line.database = joined ? a.mid(11) : arguments[++i];
            if (line.database.isEmpty()) {
                line.action = CommandLine::Action::Refuse;
                line.problem = Tr(japanese, u"--database にはファイルを指定してください",
                                  "--database needs a file");
                return line;
            }
        } else {
            line.action = CommandLine::Action::Refuse;
            line.problem = (a.startsWith(u'-') ? Tr(japanese, u"知らないオプションです: ",
                                                    "unknown option: ")
                                               : Tr(japanese, u"余分な引数です: ",
                                                    "unexpected argument: ")) +
                           a;
            return line;
        }
    }
    return line;
}

QString CommandLineHelp(bool japanese) {
    if (japanese)
        return QStringLiteral(
            "使い方: solario [--database ファイル]\n"
            "石綿（アスベスト）含有建材の検索ツール「ソラリオ」のメニューを開きます。\n"
            "\n"
            "オプション:\n"
            "  --database ファイル  このデータベースを使います。指定しないときは、利用者の\n"
            "                       データフォルダ（~/.local/share/solario/app.db）、全員の\n"
            "                       /var/lib/solario/app.db、プログラムと同じフォルダの app.db\n"
            "                       （サンプル）の順に、あるものを使います。\n"
            "  --version            版と、使うデータベースを表示します。\n"
            "  --help               この説明を表示します。\n"
            "\n"
            "終了コード: 0 メニューから終了、または既に起動しているとき。1 データベースを\n"
            "開けないとき、起動を確かめられないとき、画面がないとき。2 使い方の誤り。\n");
    return QStringLiteral(
        "Usage: solario [--database FILE]\n"
        "Opens the menu of the search tool over building materials that contain asbestos.\n"
        "\n"
        "Options:\n"
        "  --database FILE  use this database. Without it, the first that exists of the\n"
        "                   user's data folder (~/.local/share/solario/app.db), the system's\n"
        "                   /var/lib/solario/app.db and app.db beside the program (the sample).\n"
        "  --version        show the version and the database that would be used.\n"
        "  --help           show this help.\n"
        "\n"
        "Exit status: 0 ended through the menu, or another instance runs; 1 the database\n"
        "cannot be opened, the start cannot be confirmed, or there is no display;\n"
        "2 wrong arguments.\n");
}

QString VersionText(bool japanese, const DatabaseLocation& database) {
    const QString where = PlaceName(database.place, japanese);
    return QStringLiteral("solario %1\nQt %2, SQLite %3\n")
               .arg(QStringLiteral(SOLARIO_VERSION), QString::fromLatin1(qVersion()),
                    QString::fromLatin1(sqlite3_libversion())) +
           Tr(japanese, u"データベース: ", "Database: ") +
           QDir::toNativeSeparators(database.path) +
           (japanese ? QStringLiteral("（") + where + QStringLiteral("）\n")
                     : QStringLiteral(" (") + where + QStringLiteral(")\n"));
}

bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

QString NoDisplayText(bool japanese) {
    return Tr(japanese,
              u"solario: 画面がないため起動できません（DISPLAY も WAYLAND_DISPLAY もありません）。\n",
              "solario: there is no display to show the program on (neither DISPLAY nor "
              "WAYLAND_DISPLAY is set).\n");
}

} // namespace solario
