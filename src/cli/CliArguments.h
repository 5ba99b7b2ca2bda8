#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace volmar::cli {

// The arguments of a subcommand: plain arguments in order, options that take
// a value ("-o OUT", "--skin SKIN.png") and options that stand alone
// ("--no-grid", held with an empty value).
struct CliArguments {
    QStringList Positional;
    QMap<QString, QString> Options;

    QString Option(const QString& name) const { return Options.value(name); }
    bool Has(const QString& name) const { return Options.contains(name); }
};

// Raises UsageError for an option in neither valueOptions nor flagOptions,
// an option without its value, an option given twice, or a number of plain
// arguments outside [minPositional, maxPositional]. A lone "-" is a plain
// argument.
CliArguments ParseCliArguments(const QStringList& arguments, const QStringList& valueOptions,
                               int minPositional, int maxPositional,
                               const QStringList& flagOptions = {});

} // namespace volmar::cli
