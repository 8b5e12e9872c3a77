#include "TNumberEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

TNumberEdit::TNumberEdit(int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_field(new QLineEdit)
    , m_up(new QToolButton)
    , m_down(new QToolButton)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    m_field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(QString::number(maximum).size())), m_field));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
    }
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_field, 1);
    layout->addLayout(buttons);
    setFocusProxy(m_field);
    m_field->installEventFilter(this);

    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_field, &QLineEdit::textChanged, this, [this] {
        if (!m_setting)
            m_edited = true;
        Q_EMIT changed();
    });
}

void TNumberEdit::SetValue(int value)
{
    m_setting = true;
    m_field->setText(QString::number(value));
    m_setting = false;
    m_edited = false;
}

int TNumberEdit::Value() const
{
    bool ok = false;
    const int value = m_field->text().toInt(&ok);
    return ok ? value : m_minimum;
}

int TNumberEdit::Position() const
{
    return std::clamp(Value(), m_minimum, m_maximum);
}

QString TNumberEdit::Text() const
{
    return m_field->text();
}

void TNumberEdit::step(int delta)
{
    m_field->setText(QString::number(std::clamp(Position() + delta, m_minimum, m_maximum)));
}

bool TNumberEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
