#include "TFakeRdpClient.h"

#include "core/TDisconnectReasons.h"

void TFakeRdpClient::Connect()
{
    ++ConnectCalls;
    m_active = true;
    raise(TClientEvent::Connecting);
}

void TFakeRdpClient::Disconnect()
{
    ++DisconnectCalls;
    if (m_active)
        Emit(TClientEvent::Disconnected, TDisconnectReasons::LocalDisconnect);
}

void TFakeRdpClient::Emit(TClientEvent event, int value, int extra)
{
    if (event == TClientEvent::Disconnected)
        m_active = false;
    raise(event, value, extra);
}

void TFakeRdpClient::ShowFrame(const QImage& image)
{
    {
        QMutexLocker lock(&m_frameMutex);
        m_frame = image.convertToFormat(QImage::Format_RGB32);
    }
    Q_EMIT frameResized(image.size());
    Q_EMIT frameChanged(image.rect());
}

void TFakeRdpClient::SendKey(quint16 scancode, bool extended, bool down)
{
    Inputs.append({Input::Key, scancode, extended ? 1 : 0, down ? 1 : 0});
}

void TFakeRdpClient::SendLockKeys(quint32 flags)
{
    Inputs.append({Input::LockKeys, flags, 0, 0});
}

void TFakeRdpClient::SendMouse(quint16 flags, int x, int y)
{
    Inputs.append({Input::Mouse, flags, x, y});
}

TStatus TFakeRdpClient::acceptProperty(TClientProperty property, const QVariant& value)
{
    PropertiesSet.append(property);
    if (m_refused == property)
        return TStatus::Failure(QStringLiteral("refused"));
    return TMsRdpClient5::acceptProperty(property, value);
}
