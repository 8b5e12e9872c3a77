#include "TPath.h"

#include "TAscii.h"

QString TPath::fileName(QStringView path)
{
    return path.sliced(path.lastIndexOf(u'/') + 1).toString();
}

QString TPath::folder(QStringView path)
{
    return path.first(path.lastIndexOf(u'/') + 1).toString();
}

QString TPath::connectionName(QStringView path)
{
    const QStringView name = path.sliced(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.first(dot)).toString();
}

QString TPath::asciiLowerExtension(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : TAscii::lower(fileName.sliced(dot + 1));
}

QString TPath::withTrailingDelimiter(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString TPath::withoutTrailingDelimiter(const QString& path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result;
}
