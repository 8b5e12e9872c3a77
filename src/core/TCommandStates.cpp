#include "TCommandStates.h"

TCommandStates TCommandStates::For(const TSelectionState& s)
{
    TCommandStates states;
    const bool e = s.HasElement;
    states.ServerConnect = e && !s.Connected && !s.Connecting;
    states.ServerDisconnect = e && s.Connected && !s.Connecting;
    states.ServerConnectNewWindow = states.ServerConnect;
    states.ServerDel = e;
    states.ServerEdit = e;
    states.ServerDuplicate = e;
    states.GroupDel = s.NodeSelected && !e && !s.HasChildren;
    states.GroupRen = !e;
    states.ServerRunGroup = states.GroupRen;
    states.FavRemove = e && s.IsFavorite;
    states.FavAdd = e && !s.IsFavorite;
    states.ConnectTimeVisible = e;
    if (e) {
        states.ConnectTimeText = s.ConnectTimeText.isEmpty() ? QStringLiteral("Not connected")
                                                             : QStringLiteral("Connect time: ") + s.ConnectTimeText;
    }
    return states;
}

QString TCommandStates::TrayHint(const QString& productName, int active)
{
    if (active <= 0)
        return productName;
    if (active == 1)
        return productName + QStringLiteral(" (1 active connection)");
    return productName + QStringLiteral(" (%1 active connections)").arg(active);
}
