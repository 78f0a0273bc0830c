// Builds the program's material database from CSV files, and writes a database's
// material tables back out as such files.
//   solario-import --edition EDITION [--strict] [--allow-empty] FOLDER OUTPUT
//   solario-import --edition EDITION --install [--system] [--strict] [--allow-empty] FOLDER
//   solario-import --export FOLDER [DATABASE]
#include "data/database.h"
#include "tools/data_exchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace solario;

namespace {

enum Exit { kDone = 0, kFailed = 1, kUsage = 2, kRowsLeftOut = 3 };

void Print(FILE* to, const QString& text) {
    std::fputs(text.toUtf8().constData(), to);
    std::fflush(to);
}

const QString kUsageText = uR"(使い方:
  solario-import --edition 版 [--strict] [--allow-empty] フォルダ 出力ファイル
      フォルダの CSV ファイル 3 つ（アスベスト建材情報マスタ.csv、
      一般名－部位_含有マスタ.csv、一般名－部位_非含有マスタ.csv）から
      データベースを作ります。出力ファイルは、できあがって検査を終えてから置き換えます。
  solario-import --edition 版 --install [--system] [--strict] [--allow-empty] フォルダ
      作ったデータベースを、ソラリオが最初に探す場所に置きます: 利用者のデータフォルダ
      （~/.local/share/solario/app.db）、--system では全員の /var/lib/solario/app.db
      （root で実行）。プログラムの入れ直しや削除では消えません。
  solario-import --export フォルダ [データベース]
      データベース（省略時はこのプログラムと同じフォルダの app.db）の 3 つの表を
      同じ形式の CSV ファイルとしてフォルダに書き出します。3 つとも書き終えてから
      フォルダの古いファイルと置き換えます。

オプション:
  --edition 版    画面と印刷に出すデータの版（例: "２０２６年１２月版"）。取り込みに必須。
  --install       利用者のデータフォルダに置きます（出力ファイルは指定しません）。
  --system        --install で、全員のデータフォルダ /var/lib/solario に置きます。
  --strict        不備のある行や ID の疑いが一つでもあれば、何も書かずに中止します。
  --allow-empty   行のない表も、そのまま取り込みます（ふだんは中止します）。
  --help          この説明を表示します。

終了コード: 0 完了、1 失敗（何も書いていません）、2 使い方の誤り、
            3 書きましたが、不備のある行を除きました。
)"_s;

// The import's temporary file, removed when a signal stops the program: the handler may
// only use what is safe in it, so the path is kept as bytes.
char g_temporary[4096] = {};

extern "C" void RemoveTemporaryAndStop(int signal) {
    if (g_temporary[0] != '\0') {
#ifdef Q_OS_WIN
        ::_unlink(g_temporary);
#else
        ::unlink(g_temporary);
#endif
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void RemoveOnSignals() {
    for (int s : {SIGINT, SIGTERM
#ifdef SIGHUP
                  ,
                  SIGHUP
#endif
         })
        std::signal(s, RemoveTemporaryAndStop);
}

int Usage(const QString& problem) {
    if (!problem.isEmpty())
        Print(stderr, u"solario-import: "_s + problem + u"\n\n"_s);
    Print(stderr, kUsageText);
    return kUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString edition, exportFolder;
    bool strict = false, exporting = false, install = false, system = false, allowEmpty = false;
    QStringList positional;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--help" || a == u"-h") {
            Print(stdout, kUsageText);
            return kDone;
        } else if (a == u"--edition" && i + 1 < args.size()) {
            edition = args[++i];
        } else if (a.startsWith(u"--edition=")) {
            edition = a.mid(10);
        } else if (a == u"--strict") {
            strict = true;
        } else if (a == u"--install") {
            install = true;
        } else if (a == u"--system") {
            system = true;
        } else if (a == u"--allow-empty") {
            allowEmpty = true;
        } else if (a == u"--export") {
            exporting = true;
        } else if (a.startsWith(u"--")) {
            return Usage(u"知らないオプションです: "_s + a);
        } else {
            positional.append(a);
        }
    }

    if (exporting) {
        if (positional.isEmpty() || positional.size() > 2)
            return Usage(u"書き出し先のフォルダを一つ指定してください"_s);
        const QString database =
            positional.size() == 2
                ? positional[1]
                : QDir(QCoreApplication::applicationDirPath()).filePath(kDatabaseFileName);
        QList<exchange::TableCount> counts;
        if (const Status s = exchange::ExportDatabase(database, positional[0], counts); !s) {
            Print(stderr, u"solario-import: "_s + s.error() + u'\n');
            return kFailed;
        }
        for (const exchange::TableCount& c : counts)
            Print(stdout, QDir::toNativeSeparators(QDir(positional[0]).filePath(c.file)) + u": "_s +
                              QString::number(c.rows) + u" 行を書き出しました\n"_s);
        return kDone;
    }

    if (system && !install)
        return Usage(u"--system は --install と一緒に使います"_s);
    if (install) {
        if (positional.size() != 1)
            return Usage(u"--install では、CSV ファイルのあるフォルダだけを指定してください"_s);
#ifdef Q_OS_UNIX
        if (system && ::geteuid() != 0)
            return Usage(u"--system で全員のデータフォルダに置くには root で実行してください"_s);
#endif
        const QString folder = system ? DefaultSystemDataFolder() : DefaultUserDataFolder();
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            Print(stderr, u"solario-import: データフォルダを作成できません: "_s +
                              QDir::toNativeSeparators(folder) + u"\n何も書いていません。\n"_s);
            return kFailed;
        }
        positional.append(QDir(folder).filePath(kDatabaseFileName));
    }
    if (positional.size() != 2)
        return Usage(u"CSV ファイルのあるフォルダと出力ファイルを指定してください"_s);
    if (edition.trimmed().isEmpty())
        return Usage(
            u"データの版を --edition で指定してください（例: --edition \"２０２６年１２月版\"）"_s);

    const bool terminal = isatty(fileno(stderr));
    QElapsedTimer shown;
    shown.start();
    exchange::ImportOptions options;
    options.edition = edition;
    options.strict = strict;
    options.allowEmpty = allowEmpty;
    options.temporaryFile = [](const QString& path) {
        const QByteArray bytes = QFile::encodeName(path);
        std::memset(g_temporary, 0, sizeof g_temporary);
        if (bytes.size() < qsizetype(sizeof g_temporary))
            std::memcpy(g_temporary, bytes.constData(), size_t(bytes.size()));
    };
    RemoveOnSignals();
    options.warned = [&](const exchange::Warning& w) {
        Print(stderr, (terminal ? u"\r\x1b[K"_s : QString()) + w.file + u": 注意: "_s + w.text +
                          u'\n');
    };
    options.progress = [&](const QString& step, qint64 rows) {
        // Large files show how far they are; a log gets only the lines that matter.
        if (!terminal || (rows >= 0 && shown.elapsed() < 200))
            return;
        Print(stderr, u"\r\x1b[K"_s + step +
                          (rows >= 0 ? u": "_s + QString::number(rows) + u" 行"_s : QString()) +
                          u"…"_s);
        shown.restart();
    };
    options.rejected = [&](const exchange::Rejection& r) {
        Print(stderr, (terminal ? u"\r\x1b[K"_s : QString()) + exchange::RejectionText(r) + u'\n');
    };
    exchange::ImportSummary summary;
    const Status s = exchange::ImportDatabase(positional[0], positional[1], options, summary);
    if (terminal)
        Print(stderr, u"\r\x1b[K"_s);
    for (const exchange::TableCount& c : summary.tables) {
        QString line = c.file + u"（"_s + exchange::EncodingName(c.encoding) + u"）: "_s +
                       QString::number(c.rows) + u" 行を取り込みました"_s;
        if (c.rejected > 0)
            line += u"、"_s + QString::number(c.rejected) + u" 行を除きました"_s;
        if (c.blankLines > 0)
            line += u"、空の行 "_s + QString::number(c.blankLines) + u" 行を読み飛ばしました"_s;
        if (!c.ignoredColumns.isEmpty())
            line += u"、使わない列を読み飛ばしました: "_s + c.ignoredColumns.join(u"、"_s);
        Print(stdout, line + u'\n');
    }
    if (!s) {
        Print(stderr, u"solario-import: "_s + s.error() + u"\n何も書いていません。\n"_s);
        return kFailed;
    }
    Print(stdout, QDir::toNativeSeparators(positional[1]) + u" を書きました（"_s +
                      edition.trimmed() + u"）\n"_s);
    if (summary.rejected > 0) {
        Print(stderr, u"不備のある "_s + QString::number(summary.rejected) +
                          u" 行を除いて取り込みました。上の一覧を確かめてください。\n"_s);
        return kRowsLeftOut;
    }
    return kDone;
}
