#pragma once

#include <QStringList>
#include <QTextStream>

/// The headless companion's commands; each returns the process exit code.
namespace TCliCommands {
/// Runs the command named by the first argument.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
int show(const QString& fileName, QTextStream& out, QTextStream& err);
int rewrite(const QString& fileName, QTextStream& err);
int scan(const QString& rootFolder, QTextStream& out, QTextStream& err);
} // namespace TCliCommands
