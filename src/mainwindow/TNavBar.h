#pragma once

#include <QList>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

/// A navigation bar of captioned groups. In the pane style one group shows its content at a time and the
/// headers of the others wait at the bottom (the outer pane: "RDP Server", "History", "Tags"); in the
/// stacked style every group opens and closes on its own (the inner bar: "Favorites" above "Server").
class TNavBar : public QWidget
{
    Q_OBJECT

public:
    enum class Style { Pane, Stacked };

    explicit TNavBar(Style style, QWidget* parent = nullptr);

    int AddGroup(const QString& caption, QWidget* content);
    int GroupCount() const { return int(m_groups.size()); }
    QString GroupCaption(int group) const;

    /// Pane style: the group whose content shows.
    void SetActiveGroup(int group);
    int ActiveGroup() const { return m_active; }

    /// Stacked style: whether a group shows its content.
    void SetExpanded(int group, bool expanded);
    bool IsExpanded(int group) const;

    void SetGroupVisible(int group, bool visible);
    bool IsGroupVisible(int group) const;

Q_SIGNALS:
    void activeGroupChanged(int group);
    void expandedChanged(int group, bool expanded);

private:
    struct Group
    {
        QToolButton* header;
        QWidget* content;
        bool visible = true;
    };

    void relayout();

    Style m_style;
    QVBoxLayout* m_layout;
    QList<Group> m_groups;
    int m_active = -1;
};
