#pragma once

#include <QObject>
#include <QString>

/// The local side of the shared clipboard: the text the user copied on this desktop. Used on the
/// user-interface thread only.
class TLocalClipboard : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;

Q_SIGNALS:
    void changed();
};

/// The desktop's clipboard.
class TQtClipboard : public TLocalClipboard
{
    Q_OBJECT

public:
    explicit TQtClipboard(QObject* parent = nullptr);
    QString Text() const override;
    void SetText(const QString& text) override;
};
