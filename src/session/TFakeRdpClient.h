#pragma once

#include "TMsRdpClient5.h"

#include <QList>

/// A client for tests of the window logic: it records what it is told and raises the events the test
/// scripts. It never connects anywhere.
class TFakeRdpClient : public TMsRdpClient5
{
    Q_OBJECT

public:
    struct Input
    {
        enum Kind { Key, LockKeys, Mouse } kind;
        quint32 a;
        int b;
        int c;
        friend bool operator==(const Input&, const Input&) = default;
    };

    using TMsRdpClient5::TMsRdpClient5;

    void Connect() override;
    void Disconnect() override;
    bool IsActive() const override { return m_active; }
    void SendKey(quint16 scancode, bool extended, bool down) override;
    void SendLockKeys(quint32 flags) override;
    void SendMouse(quint16 flags, int x, int y) override;

    /// The property the client refuses from now on.
    void RefuseProperty(TClientProperty property) { m_refused = property; }
    /// Raises an event as the real client would.
    void Emit(TClientEvent event, int value = -1, int extra = 0);
    /// Shows a picture as the session's desktop.
    void ShowFrame(const QImage& image);

    QList<TClientProperty> PropertiesSet;
    int ConnectCalls = 0;
    int DisconnectCalls = 0;
    QList<Input> Inputs;

protected:
    TStatus acceptProperty(TClientProperty property, const QVariant& value) override;

private:
    std::optional<TClientProperty> m_refused;
    bool m_active = false;
};
