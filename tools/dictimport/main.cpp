// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "dictimporter.h"

// dictimport --out FILE [--mueller BASE] [--wikdict de=BASE]… : writes the imported
// dictionary rows as TSV. A source that is not installed is reported and skipped, so the
// course still builds with the curated core alone.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Imports dictd dictionaries into the course dictionary format."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("TSV file to write."), QStringLiteral("file"));
    const QCommandLineOption mueller(QStringLiteral("mueller"), QStringLiteral("English–Russian dictd base path."),
                                     QStringLiteral("base"));
    const QCommandLineOption wikdict(QStringLiteral("wikdict"),
                                     QStringLiteral("lang=base of a dictd dictionary to Russian (lang: sv, de, fr)."),
                                     QStringLiteral("lang=base"));
    parser.addOptions({out, mueller, wikdict});
    parser.process(app);
    QTextStream err(stderr);
    if (!parser.isSet(out)) {
        err << "dictimport: --out is required\n";
        return 2;
    }

    DictImport::Importer importer;
    auto report = [&err](const DictImport::Status &status) {
        if (!status.ok)
            err << "dictimport: warning: " << status.message << " (source skipped)\n";
    };
    if (parser.isSet(mueller))
        report(importer.addMueller(parser.value(mueller)));
    for (const QString &source : parser.values(wikdict)) {
        const QString language = source.section(u'=', 0, 0);
        const QString base = source.section(u'=', 1);
        const auto column = DictImport::columnForLanguage(language);
        if (!column) {
            err << "dictimport: unknown language " << language << '\n';
            return 2;
        }
        report(importer.addWikdict(*column, base));
    }

    const QString outPath = parser.value(out);
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly)) {
        err << "dictimport: cannot write " << outPath << '\n';
        return 1;
    }
    file.write(importer.toTsv().toUtf8());
    if (!file.commit()) {
        err << "dictimport: cannot write " << outPath << '\n';
        return 1;
    }
    QTextStream(stdout) << "dictimport: " << importer.rowCount() << " rows\n";
    return 0;
}
