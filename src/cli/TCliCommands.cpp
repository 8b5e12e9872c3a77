#include "TCliCommands.h"

#include "core/TFolderScanner.h"
#include "core/TQVRDElementList.h"
#include "core/TRDPFile.h"
#include "core/TServerTreeModel.h"

#include <QFileInfo>

namespace {
const char* const kUsage = "usage: velmora-cli show FILE | rewrite FILE | scan ROOT";

TExpected<std::unique_ptr<TRDPFile>> readExisting(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return TStatus::Failure(QStringLiteral("Cannot read file \"%1\": no such file").arg(fileName));
    return TRDPFile::Create(fileName);
}

void printTree(const TServerTreeModel& tree, const QModelIndex& parent, int depth, QTextStream& out)
{
    for (int row = 0; row < tree.rowCount(parent); ++row) {
        const QModelIndex index = tree.index(row, 0, parent);
        const QString indent(depth * 2, u' ');
        const QString text = index.data().toString();
        const int number = index.data(TTreeModel::NodeDataRole).toInt();
        if (number == 0) {
            out << indent << text << "/\n";
            printTree(tree, index, depth + 1, out);
        } else {
            out << indent << text << " #" << number << '\n';
        }
    }
}
} // namespace

int TCliCommands::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() == 2 && arguments[0] == QLatin1String("show"))
        return show(arguments[1], out, err);
    if (arguments.size() == 2 && arguments[0] == QLatin1String("rewrite"))
        return rewrite(arguments[1], err);
    if (arguments.size() == 2 && arguments[0] == QLatin1String("scan"))
        return scan(arguments[1], out, err);
    err << kUsage << '\n';
    return 1;
}

int TCliCommands::show(const QString& fileName, QTextStream& out, QTextStream& err)
{
    auto record = readExisting(fileName);
    if (!record) {
        err << record.error() << '\n';
        return 1;
    }
    for (int i = 0; i < TRDPFile::KeyCount(); ++i)
        out << TRDPFile::Key(i).key << '=' << record.value()->ValueText(i) << '\n';
    return 0;
}

int TCliCommands::rewrite(const QString& fileName, QTextStream& err)
{
    auto record = readExisting(fileName);
    if (!record) {
        err << record.error() << '\n';
        return 1;
    }
    if (TStatus status = record.value()->SaveAs(fileName); !status) {
        err << status.error() << '\n';
        return 1;
    }
    return 0;
}

int TCliCommands::scan(const QString& rootFolder, QTextStream& out, QTextStream& err)
{
    TQVRDElementList list;
    TServerTreeModel tree;
    TFolderScanner scanner(list, tree);
    const QList<TScanError> errors = scanner.RefreshConnections(rootFolder);
    printTree(tree, {}, 0, out);
    for (const TScanError& error : errors)
        err << error.Message << '\n';
    return 0;
}
