#include "TQVRDElement.h"

#include "TQVRDElementList.h"
#include "support/TAscii.h"
#include "support/TPath.h"

TQVRDElement::TQVRDElement(std::unique_ptr<TRDPFile> record, int number)
    : m_rdpFile(std::move(record))
    , m_number(number)
    , m_name(TPath::connectionName(m_rdpFile->FileName))
{}

TQVRDElement::~TQVRDElement()
{
    // The session goes first: it ends an open connection while the record is still there.
    m_session.reset();
}

void TQVRDElement::SetImageIndex(int index)
{
    ImageIndex = index;
    if (m_session)
        m_session->ImageIndexChanged(index);
}

void TQVRDElement::AttachSession(std::unique_ptr<IElementSession> session)
{
    m_session = std::move(session);
}

void TQVRDElement::SetName(const QString& name)
{
    const QString oldName = m_name;
    m_name = name;
    if (m_list)
        m_list->nameChanged(this, oldName);
}

bool TQVRDElement::MatchesFilter(const QString& filter) const
{
    return filter.isEmpty() || MatchesUpperFilter(TAscii::upper(filter));
}

bool TQVRDElement::MatchesUpperFilter(QStringView upperFilter) const
{
    if (upperFilter.isEmpty())
        return true;
    // The folder path (with its trailing delimiter) begins the file path, so searching the file path
    // finds everything the folder would.
    const TRDPFile& file = *m_rdpFile;
    for (const QString* text :
         {&m_name, &file.UserName, &file.Domain, &file.FullAddress, &file.FileName, &file.Description}) {
        if (TAscii::containsFolded(*text, upperFilter))
            return true;
    }
    return false;
}
