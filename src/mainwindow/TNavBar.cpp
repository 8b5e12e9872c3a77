#include "TNavBar.h"

#include <QToolButton>
#include <QVBoxLayout>

TNavBar::TNavBar(Style style, QWidget* parent)
    : QWidget(parent)
    , m_style(style)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
}

int TNavBar::AddGroup(const QString& caption, QWidget* content)
{
    auto* header = new QToolButton(this);
    header->setText(caption);
    header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header->setCheckable(true);
    header->setAutoRaise(false);
    content->setParent(this);
    const int group = int(m_groups.size());
    m_groups.append({header, content, true});
    connect(header, &QToolButton::clicked, this, [this, group] {
        if (m_style == Style::Pane)
            SetActiveGroup(group);
        else
            SetExpanded(group, !IsExpanded(group));
    });
    if (m_style == Style::Stacked)
        header->setChecked(true);
    if (m_active < 0)
        m_active = group;
    relayout();
    return group;
}

QString TNavBar::GroupCaption(int group) const
{
    return m_groups.value(group).header ? m_groups[group].header->text() : QString();
}

void TNavBar::SetActiveGroup(int group)
{
    if (group < 0 || group >= GroupCount() || group == m_active)
        return;
    m_active = group;
    relayout();
    Q_EMIT activeGroupChanged(group);
}

void TNavBar::SetExpanded(int group, bool expanded)
{
    if (group < 0 || group >= GroupCount() || IsExpanded(group) == expanded)
        return;
    m_groups[group].header->setChecked(expanded);
    relayout();
    Q_EMIT expandedChanged(group, expanded);
}

bool TNavBar::IsExpanded(int group) const
{
    if (group < 0 || group >= GroupCount())
        return false;
    return m_style == Style::Pane ? group == m_active : m_groups[group].header->isChecked();
}

void TNavBar::SetGroupVisible(int group, bool visible)
{
    if (group < 0 || group >= GroupCount())
        return;
    m_groups[group].visible = visible;
    if (!visible && m_style == Style::Pane && group == m_active) {
        for (int other = 0; other < GroupCount(); ++other) {
            if (m_groups[other].visible) {
                m_active = other;
                break;
            }
        }
    }
    relayout();
}

bool TNavBar::IsGroupVisible(int group) const
{
    return group >= 0 && group < GroupCount() && m_groups[group].visible;
}

void TNavBar::relayout()
{
    while (m_layout->count() > 0)
        delete m_layout->takeAt(0);
    if (m_style == Style::Pane) {
        // The active group's header and content on top, the other headers below.
        for (int g = 0; g < GroupCount(); ++g) {
            const Group& group = m_groups[g];
            group.header->setChecked(g == m_active);
            group.header->setVisible(group.visible);
            group.content->setVisible(group.visible && g == m_active);
        }
        if (m_active >= 0) {
            m_layout->addWidget(m_groups[m_active].header);
            m_layout->addWidget(m_groups[m_active].content, 1);
        }
        for (int g = 0; g < GroupCount(); ++g) {
            if (g != m_active)
                m_layout->addWidget(m_groups[g].header);
        }
        return;
    }
    bool anyOpen = false;
    for (const Group& group : std::as_const(m_groups)) {
        const bool open = group.visible && group.header->isChecked();
        group.header->setVisible(group.visible);
        group.content->setVisible(open);
        m_layout->addWidget(group.header);
        // The last open group takes the room that is left; the ones above keep their own height.
        m_layout->addWidget(group.content, open ? 1 : 0);
        anyOpen |= open;
    }
    if (!anyOpen)
        m_layout->addStretch(1);
}
