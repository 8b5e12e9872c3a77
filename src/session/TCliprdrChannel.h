#pragma once

#include <QString>

#include <functional>
#include <mutex>

typedef struct _cliprdr_client_context CliprdrClientContext;

/// Text on the clipboard channel of one session. FreeRDP calls it on the channel's thread; the local text
/// comes from the user-interface thread. Remote text is handed to `remoteText`, on the channel's thread.
class TCliprdrChannel
{
public:
    TCliprdrChannel(CliprdrClientContext* context, const QString& localText,
                    std::function<void(const QString&)> remoteText);
    ~TCliprdrChannel();

    /// The local clipboard holds new text: the server is told, and asks for it when it pastes.
    void SetLocalText(const QString& text);

private:
    struct Callbacks;

    void announceLocalText();

    CliprdrClientContext* m_context;
    std::function<void(const QString&)> m_remoteText;
    std::mutex m_mutex;
    QString m_localText;
    bool m_ready = false;
    unsigned m_requestedFormat = 0;
};
