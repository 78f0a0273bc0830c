// Writes the fictional sample database of the installation.
//   make_sample_db [--products N] [--seed S] OUTPUT
#include "tools/sample_data.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int products = 3000;
    quint64 seed = 20061201;
    QString output;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == u"--products" && i + 1 < args.size())
            products = args[++i].toInt(&ok);
        else if (args[i] == u"--seed" && i + 1 < args.size())
            seed = args[++i].toULongLong(&ok);
        else if (!args[i].startsWith(u"--") && output.isEmpty())
            output = args[i];
        else
            ok = false;
        if (!ok || products < 0) {
            std::fprintf(stderr, "usage: make_sample_db [--products N] [--seed S] OUTPUT\n");
            return 2;
        }
    }
    if (output.isEmpty()) {
        std::fprintf(stderr, "usage: make_sample_db [--products N] [--seed S] OUTPUT\n");
        return 2;
    }
    const solario::Status s = solario::sample::WriteSampleDatabase(output, products, seed);
    if (!s) {
        std::fprintf(stderr, "make_sample_db: %s\n", qUtf8Printable(s.error()));
        return 1;
    }
    return 0;
}
