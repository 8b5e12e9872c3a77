#pragma once

#include <QString>

/// What the window's state decisions depend on: the selected tree node and its connection.
struct TSelectionState
{
    bool NodeSelected = false;
    /// The selected node is a connection (a server node).
    bool HasElement = false;
    bool Connected = false;
    bool Connecting = false;
    /// The selected node has child nodes.
    bool HasChildren = false;
    bool IsFavorite = false;
    QString ConnectTimeText;
};

/// Which server and folder commands are enabled, and what the connect-time panel shows.
struct TCommandStates
{
    bool ServerConnect = false;
    bool ServerDisconnect = false;
    bool ServerConnectNewWindow = false;
    bool ServerDel = false;
    bool ServerEdit = false;
    bool ServerDuplicate = false;
    bool GroupDel = false;
    bool GroupRen = false;
    bool ServerRunGroup = false;
    bool FavRemove = false;
    bool FavAdd = false;
    bool ConnectTimeVisible = false;
    QString ConnectTimeText;
    friend bool operator==(const TCommandStates&, const TCommandStates&) = default;

    static TCommandStates For(const TSelectionState& selection);
    /// The tray icon's hint for `active` connected sessions.
    static QString TrayHint(const QString& productName, int active);
};
