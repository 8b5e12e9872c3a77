#include "TIniFile.h"

#include "support/TAtomicFile.h"
#include "support/TDateFormat.h"
#include "support/TTextCodec.h"

#include <QFile>

#include <climits>

namespace {
QString fold(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

/// The key of a "key=value" line, or an empty text for any other line.
QString keyOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return {};
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

QString valueOf(const QString& line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(TIniFile::MaxValueLength);
}

/// A value that reading would change (blanks at its ends, enclosing quotes) is written quoted, and line
/// breaks become blanks, so that what is written is what is read back.
QString encodeValue(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool padded = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quoted =
        value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
    return (padded || quoted) ? u'"' + value + u'"' : value;
}
} // namespace

TIniFile::TIniFile(const QString& fileName)
    : m_fileName(fileName)
{
    QFile file(fileName);
    if (!file.exists()) {
        parse(QString());
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = QStringLiteral("Cannot read file \"%1\": %2").arg(fileName, file.errorString());
        parse(QString());
        return;
    }
    parse(TTextCodec::decodeDetected(file.readAll()));
}

TIniFile::~TIniFile() = default;

void TIniFile::parse(const QString& text)
{
    m_sections.clear();
    m_sections.append(Section());
    if (!text.contains(QLatin1String("\r\n")) && text.contains(u'\n'))
        m_lineBreak = QStringLiteral("\n");
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines = normalized.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : std::as_const(lines)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            Section section;
            section.foldedName = fold(trimmed.mid(1, close < 0 ? -1 : close - 1));
            section.hasHeader = true;
            section.lines.append({line, QString()});
            m_sections.append(section);
            continue;
        }
        m_sections.last().lines.append({line, fold(keyOf(line))});
    }
    reindex();
}

void TIniFile::reindex()
{
    m_sectionIndex.clear();
    for (int i = int(m_sections.size()) - 1; i >= 1; --i) {
        Section& section = m_sections[i];
        m_sectionIndex.insert(section.foldedName, i);
        section.keyLines.clear();
        for (int l = int(section.lines.size()) - 1; l >= 1; --l) {
            if (!section.lines[l].foldedKey.isEmpty())
                section.keyLines.insert(section.lines[l].foldedKey, l);
        }
    }
}

const TIniFile::Line* TIniFile::findKey(const QString& section, const QString& key) const
{
    const auto s = m_sectionIndex.constFind(fold(section));
    if (s == m_sectionIndex.cend())
        return nullptr;
    const Section& sec = m_sections[*s];
    const auto l = sec.keyLines.constFind(fold(key));
    return l == sec.keyLines.cend() ? nullptr : &sec.lines[*l];
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Line* line = findKey(section, key);
    return line ? valueOf(line->text) : defaultValue;
}

std::optional<int> TIniFile::ParseInteger(const QString& text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t = t.mid(1);
    }
    int base = 10;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t = t.mid(2);
    } else if (t.startsWith(u'$')) {
        base = 16;
        t = t.mid(1);
    }
    if (t.isEmpty() || !t.front().isLetterOrNumber())
        return std::nullopt;
    bool ok = false;
    const qint64 value = t.toLongLong(&ok, base);
    const qint64 signedValue = negative ? -value : value;
    // Hexadecimal values are 32-bit patterns: $FFFFFFFF is -1.
    if (ok && base == 16 && !negative && value <= 0xFFFFFFFFLL)
        return int(quint32(value));
    if (!ok || signedValue < INT_MIN || signedValue > INT_MAX)
        return std::nullopt;
    return int(signedValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const Line* line = findKey(section, key);
    if (!line)
        return defaultValue;
    return ParseInteger(valueOf(line->text)).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QDate TIniFile::ReadDate(const QString& section, const QString& key, const TDateFormat& dates) const
{
    const Line* line = findKey(section, key);
    return line ? dates.parseShortDate(valueOf(line->text)) : QDate();
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    for (const auto& [key, value] : ReadSectionValues(section))
        keys.append(key);
    return keys;
}

QList<QPair<QString, QString>> TIniFile::ReadSectionValues(const QString& section) const
{
    QList<QPair<QString, QString>> values;
    const auto s = m_sectionIndex.constFind(fold(section));
    if (s == m_sectionIndex.cend())
        return values;
    const Section& sec = m_sections[*s];
    for (int l = 1; l < int(sec.lines.size()); ++l) {
        const Line& line = sec.lines[l];
        // Like the platform, a key written twice is listed once, with the value of its first occurrence.
        if (!line.foldedKey.isEmpty() && sec.keyLines.value(line.foldedKey) == l)
            values.append({keyOf(line.text), valueOf(line.text)});
    }
    return values;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return m_sectionIndex.contains(fold(section));
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return findKey(section, key) != nullptr;
}

TIniFile::Section& TIniFile::sectionForWrite(const QString& section)
{
    const QString folded = fold(section);
    if (const auto s = m_sectionIndex.constFind(folded); s != m_sectionIndex.cend())
        return m_sections[*s];
    Section created;
    created.foldedName = folded;
    created.hasHeader = true;
    created.lines.append({u'[' + section.trimmed() + u']', QString()});
    m_sections.append(created);
    m_sectionIndex.insert(folded, int(m_sections.size()) - 1);
    return m_sections.last();
}

void TIniFile::setKey(Section& section, const QString& key, const QString& value)
{
    const QString folded = fold(key);
    if (const auto l = section.keyLines.constFind(folded); l != section.keyLines.cend()) {
        Line& line = section.lines[*l];
        line.text = keyOf(line.text) + u'=' + encodeValue(value);
        return;
    }
    // New keys go after the section's last non-blank line, so blank separators stay before the next header.
    int at = int(section.lines.size());
    while (at > 1 && section.lines[at - 1].text.trimmed().isEmpty())
        --at;
    section.lines.insert(at, {key.trimmed() + u'=' + encodeValue(value), folded});
    section.keyLines.insert(folded, at);
}

TStatus TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    setKey(sectionForWrite(section), key, value);
    return written();
}

TStatus TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

TStatus TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

TStatus TIniFile::WriteDate(const QString& section, const QString& key, const QDate& date, const TDateFormat& dates)
{
    return WriteString(section, key, dates.formatShortDate(date));
}

TStatus TIniFile::EraseSection(const QString& section)
{
    const auto s = m_sectionIndex.constFind(fold(section));
    if (s == m_sectionIndex.cend())
        return {};
    m_sections.removeAt(*s);
    reindex();
    return written();
}

TStatus TIniFile::WriteSection(const QString& section, const QList<QPair<QString, QString>>& values)
{
    Section& sec = sectionForWrite(section);
    QList<Line> kept{sec.lines.first()};
    for (int l = 1; l < int(sec.lines.size()); ++l) {
        if (sec.lines[l].foldedKey.isEmpty() && !sec.lines[l].text.trimmed().startsWith(u';'))
            kept.append(sec.lines[l]);
    }
    sec.lines = kept;
    sec.keyLines.clear();
    for (const auto& [key, value] : values)
        setKey(sec, key, value);
    return written();
}

void TIniFile::BeginUpdate()
{
    ++m_updateDepth;
}

TStatus TIniFile::EndUpdate()
{
    if (m_updateDepth > 0)
        --m_updateDepth;
    return written();
}

TStatus TIniFile::written()
{
    m_dirty = true;
    if (m_updateDepth > 0)
        return {};
    return flush();
}

TStatus TIniFile::flush()
{
    if (!m_dirty)
        return {};
    if (!m_loadError.isEmpty())
        return TStatus::Failure(m_loadError);
    QString text;
    for (const Section& section : std::as_const(m_sections)) {
        for (const Line& line : section.lines)
            text += line.text + m_lineBreak;
    }
    TStatus status = TAtomicFile::write(m_fileName, text.toUtf8());
    if (status)
        m_dirty = false;
    return status;
}
