#include "TQVRDElementList.h"

#include "support/TDateFormat.h"

#include <algorithm>

TQVRDElementList::TQVRDElementList() = default;

TQVRDElementList::~TQVRDElementList()
{
    Clear();
}

TExpected<TQVRDElement*> TQVRDElementList::Add(const QString& path)
{
    auto record = TRDPFile::Create(path);
    if (!record)
        return TStatus::Failure(record.error());
    return Add(std::move(record.value()));
}

TQVRDElement* TQVRDElementList::Add(std::unique_ptr<TRDPFile> record)
{
    return append(std::make_unique<TQVRDElement>(std::move(record), NextFreeNumber()));
}

TQVRDElement* TQVRDElementList::append(std::unique_ptr<TQVRDElement> element)
{
    TQVRDElement* e = element.get();
    e->m_list = this;
    e->m_position = qsizetype(m_items.size());
    e->RdpFile().SetFileNameObserver([this, e](const QString& oldFileName) { fileNameChanged(e, oldFileName); });
    m_byNumber.insert(e->Number(), e);
    indexInsert(m_byFileName, e->RdpFile().FileName, e);
    indexInsert(m_byName, e->Name(), e);
    m_items.push_back(std::move(element));
    return e;
}

void TQVRDElementList::Delete(int index)
{
    TQVRDElement* e = At(index);
    if (m_byNumber.value(e->Number()) == e)
        m_byNumber.remove(e->Number());
    m_lowestFreeNumber = std::min(m_lowestFreeNumber, std::max(1, e->Number()));
    indexRemove(m_byFileName, e->RdpFile().FileName, e);
    indexRemove(m_byName, e->Name(), e);
    e->RdpFile().SetFileNameObserver(nullptr);
    m_items.erase(m_items.begin() + index);
    renumberPositions();
}

void TQVRDElementList::Clear()
{
    m_byNumber.clear();
    m_byFileName.clear();
    m_byName.clear();
    for (auto& element : m_items) {
        element->RdpFile().SetFileNameObserver(nullptr);
        element.reset();
    }
    m_items.clear();
    m_lowestFreeNumber = 1;
}

int TQVRDElementList::NextFreeNumber() const
{
    // Numbers are only taken while the program runs, so the smallest free one never moves down.
    while (m_byNumber.contains(m_lowestFreeNumber))
        ++m_lowestFreeNumber;
    return m_lowestFreeNumber;
}

TQVRDElement* TQVRDElementList::FindByNumber(int number) const
{
    return m_byNumber.value(number, nullptr);
}

TQVRDElement* TQVRDElementList::FindByFileName(const QString& path) const
{
    return firstOf(m_byFileName, path);
}

TQVRDElement* TQVRDElementList::FindByName(const QString& name) const
{
    return firstOf(m_byName, name);
}

TQVRDElement* TQVRDElementList::FindByAddress(const QString& address) const
{
    for (const auto& e : m_items) {
        if (e->RdpFile().FullAddress == address)
            return e.get();
    }
    return nullptr;
}

TQVRDElement* TQVRDElementList::FindByTabSheet(const QObject* tab) const
{
    if (!tab)
        return nullptr;
    for (const auto& e : m_items) {
        if (e->TabSheet == tab)
            return e.get();
    }
    return nullptr;
}

int TQVRDElementList::ConnectedCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const auto& e) { return e->Connected; }));
}

void TQVRDElementList::SortByLastUsed()
{
    auto day = [](const TQVRDElement& e) { return e.LastUsed.isValid() ? e.LastUsed.date().toJulianDay() : 0; };
    std::stable_sort(m_items.begin(), m_items.end(), [&](const auto& a, const auto& b) { return day(*a) < day(*b); });
    renumberPositions();
    m_sortedByLastUsed = true;
}

QList<THistoryGroup> TQVRDElementList::FillHistoryList(const TDateFormat& dates)
{
    if (!m_sortedByLastUsed)
        SortByLastUsed();
    QList<THistoryGroup> groups;
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        TQVRDElement* e = it->get();
        if (!e->LastUsed.isValid())
            continue;
        const QString header = dates.formatShortDate(e->LastUsed.date());
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.Header == header; });
        if (group == groups.end())
            group = groups.insert(groups.end(), THistoryGroup{header, {}});
        group->Elements.append(e);
    }
    return groups;
}

const QStringList& TQVRDElementList::CollectTags()
{
    AllTags.clear();
    for (const auto& e : m_items)
        AllTags.append(e->RdpFile().Tags);
    return AllTags;
}

void TQVRDElementList::nameChanged(TQVRDElement* element, const QString& oldName)
{
    indexRemove(m_byName, oldName, element);
    indexInsert(m_byName, element->Name(), element);
}

void TQVRDElementList::fileNameChanged(TQVRDElement* element, const QString& oldFileName)
{
    indexRemove(m_byFileName, oldFileName, element);
    indexInsert(m_byFileName, element->RdpFile().FileName, element);
}

void TQVRDElementList::indexInsert(Index& index, const QString& key, TQVRDElement* element)
{
    index[key].append(element);
}

void TQVRDElementList::indexRemove(Index& index, const QString& key, TQVRDElement* element)
{
    const auto it = index.find(key);
    if (it == index.end())
        return;
    it->removeOne(element);
    if (it->isEmpty())
        index.erase(it);
}

TQVRDElement* TQVRDElementList::firstOf(const Index& index, const QString& key)
{
    const auto it = index.constFind(key);
    if (it == index.cend())
        return nullptr;
    const QList<TQVRDElement*>& candidates = *it;
    return *std::min_element(candidates.begin(), candidates.end(), [](const TQVRDElement* a, const TQVRDElement* b) {
        return a->m_position < b->m_position;
    });
}

void TQVRDElementList::renumberPositions()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->m_position = qsizetype(i);
}
