#include "TLocalClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

TQtClipboard::TQtClipboard(QObject* parent)
    : TLocalClipboard(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TLocalClipboard::changed);
}

QString TQtClipboard::Text() const
{
    return QGuiApplication::clipboard()->text();
}

void TQtClipboard::SetText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}
