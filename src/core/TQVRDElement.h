#pragma once

#include "TRDPFile.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class TQVRDElementList;

/// The session side of an element (its tab, client frame and events), which lives above this layer.
class IElementSession
{
public:
    virtual ~IElementSession() = default;
    /// The element's state icon changed.
    virtual void ImageIndexChanged(int index) = 0;
};

/// One managed connection while the program runs: its record, its number and name, and its state.
/// Owned by the connection list; never removed while the program runs.
class TQVRDElement
{
public:
    /// Takes over the record read from the element's file.
    TQVRDElement(std::unique_ptr<TRDPFile> record, int number);
    ~TQVRDElement();

    TQVRDElement(const TQVRDElement&) = delete;
    TQVRDElement& operator=(const TQVRDElement&) = delete;

    int Number() const { return m_number; }
    const QString& Name() const { return m_name; }
    /// Gives the element another connection name; the file is not touched.
    void SetName(const QString& name);

    TRDPFile& RdpFile() { return *m_rdpFile; }
    const TRDPFile& RdpFile() const { return *m_rdpFile; }

    /// Whether the filter occurs, ASCII letters folded, in the name, user, domain, address, folder, path or
    /// description. An empty filter matches every element.
    bool MatchesFilter(const QString& filter) const;
    /// The same test with the filter already folded to upper case, for loops over the whole list.
    bool MatchesUpperFilter(QStringView upperFilter) const;

    /// Last time a session of this connection connected; invalid when never.
    QDateTime LastUsed;

    // Session state; the session host drives it.
    bool Connected = false;
    bool Connecting = false;
    int ImageIndex = 0;
    QString ConnectTimeText;
    /// The session tab hosting this connection, if any.
    QObject* TabSheet = nullptr;

    /// Sets the state icon; the session side shows it wherever the element appears.
    void SetImageIndex(int index);

    void AttachSession(std::unique_ptr<IElementSession> session);
    IElementSession* Session() const { return m_session.get(); }

private:
    friend class TQVRDElementList;

    std::unique_ptr<TRDPFile> m_rdpFile;
    std::unique_ptr<IElementSession> m_session;
    int m_number;
    QString m_name;
    TQVRDElementList* m_list = nullptr;
    qsizetype m_position = 0;
};
