#pragma once

#include "TQVRDElement.h"
#include "support/TResult.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

class TDateFormat;

/// One day of the history list: its header and the elements used that day.
struct THistoryGroup
{
    QString Header;
    QList<TQVRDElement*> Elements;
};

/// Owns every connection element, hands out element numbers and answers the lookups.
/// Lookups are indexed but answer as a walk in list order would: the first match, compared exactly.
class TQVRDElementList
{
public:
    TQVRDElementList();
    ~TQVRDElementList();

    TQVRDElementList(const TQVRDElementList&) = delete;
    TQVRDElementList& operator=(const TQVRDElementList&) = delete;

    /// Reads the file (defaults when it does not exist) and appends an element with the smallest free number.
    /// Fails, adding nothing, when the file cannot be read.
    TExpected<TQVRDElement*> Add(const QString& path);
    /// Appends an element for a record that is already read.
    TQVRDElement* Add(std::unique_ptr<TRDPFile> record);

    int Count() const { return int(m_items.size()); }
    TQVRDElement* operator[](int index) const { return m_items[size_t(index)].get(); }
    TQVRDElement* At(int index) const { return m_items[size_t(index)].get(); }

    void Delete(int index);
    void Clear();

    int NextFreeNumber() const;

    TQVRDElement* FindByNumber(int number) const;
    TQVRDElement* FindByFileName(const QString& path) const;
    TQVRDElement* FindByName(const QString& name) const;
    TQVRDElement* FindByAddress(const QString& address) const;
    TQVRDElement* FindByTabSheet(const QObject* tab) const;

    int ConnectedCount() const;

    /// Orders the elements by the calendar day of their last use, oldest (and never used) first.
    void SortByLastUsed();
    /// The history: one group per day, most recent day first, elements never used left out.
    /// Sorts the list first unless it was sorted before.
    QList<THistoryGroup> FillHistoryList(const TDateFormat& dates);

    /// Every tag of every element in list order, duplicates kept.
    const QStringList& CollectTags();

    QStringList RecentFiles;
    QStringList AllTags;
    bool SortedByLastUsed() const { return m_sortedByLastUsed; }

private:
    friend class TQVRDElement;
    using Index = QHash<QString, QList<TQVRDElement*>>;

    TQVRDElement* append(std::unique_ptr<TQVRDElement> element);
    void nameChanged(TQVRDElement* element, const QString& oldName);
    void fileNameChanged(TQVRDElement* element, const QString& oldFileName);
    static void indexInsert(Index& index, const QString& key, TQVRDElement* element);
    static void indexRemove(Index& index, const QString& key, TQVRDElement* element);
    static TQVRDElement* firstOf(const Index& index, const QString& key);
    void renumberPositions();

    std::vector<std::unique_ptr<TQVRDElement>> m_items;
    QHash<int, TQVRDElement*> m_byNumber;
    Index m_byFileName;
    Index m_byName;
    mutable int m_lowestFreeNumber = 1;
    bool m_sortedByLastUsed = false;
};
