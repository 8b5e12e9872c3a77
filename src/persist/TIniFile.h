#pragma once

#include "support/TResult.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

class TDateFormat;

/// An INI file with the classic private-profile rules: section and key names match without regard to
/// case, values are read trimmed and without one pair of enclosing quotes (at most 2047 characters),
/// integers may be hexadecimal ("0x" or "$"), booleans are integers. Every write reaches the file at once
/// and atomically, unless it happens inside BeginUpdate/EndUpdate, which writes once at the end.
/// Lines the class does not understand, and sections and keys it is not asked about, are kept as they are.
class TIniFile
{
public:
    static constexpr int MaxValueLength = 2047;

    /// Reads the file if it exists. A file that exists but cannot be read makes every write fail, so that
    /// its content is never replaced by an empty one.
    explicit TIniFile(const QString& fileName);
    ~TIniFile();

    const QString& FileName() const { return m_fileName; }
    /// Empty, or why the file could not be read.
    const QString& LoadError() const { return m_loadError; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    /// The date, or an invalid date when the key is missing or holds no date.
    QDate ReadDate(const QString& section, const QString& key, const TDateFormat& dates) const;
    /// The key names of the section in file order.
    QStringList ReadSection(const QString& section) const;
    /// Every key and its value of the section in file order.
    QList<QPair<QString, QString>> ReadSectionValues(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    TStatus WriteString(const QString& section, const QString& key, const QString& value);
    TStatus WriteInteger(const QString& section, const QString& key, int value);
    TStatus WriteBool(const QString& section, const QString& key, bool value);
    TStatus WriteDate(const QString& section, const QString& key, const QDate& date, const TDateFormat& dates);
    TStatus EraseSection(const QString& section);
    /// Replaces the section's keys with the pairs, keeping the section where it is (appended when missing).
    /// Keys that match without regard to case share one entry; the later value wins.
    TStatus WriteSection(const QString& section, const QList<QPair<QString, QString>>& values);

    void BeginUpdate();
    TStatus EndUpdate();

    /// Parses a text as the integer reader does: decimal, or hexadecimal after "0x" or "$".
    static std::optional<int> ParseInteger(const QString& text);

private:
    struct Line
    {
        QString text;
        QString foldedKey; // empty for lines that hold no key
    };
    struct Section
    {
        QString foldedName;
        bool hasHeader = false;
        QList<Line> lines;            // the header line first when there is one
        QHash<QString, int> keyLines; // folded key -> line of its first occurrence
    };

    void parse(const QString& text);
    const Line* findKey(const QString& section, const QString& key) const;
    Section& sectionForWrite(const QString& section);
    void setKey(Section& section, const QString& key, const QString& value);
    TStatus written();
    TStatus flush();
    void reindex();

    QString m_fileName;
    QString m_loadError;
    QString m_lineBreak = QStringLiteral("\r\n");
    QList<Section> m_sections; // the first holds the lines before any header
    QHash<QString, int> m_sectionIndex;
    int m_updateDepth = 0;
    bool m_dirty = false;
};
