#include "TConnectionSettingsPanel.h"

#include "TFrameServer.h"
#include "TImageList.h"
#include "TPaletteColor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TConnectionSettingsPanel::TConnectionSettingsPanel(const TImageList& images, IPrompt& prompt, QWidget* parent)
    : QWidget(parent)
    , m_header(new QWidget)
    , m_name(new QLabel)
    , m_editor(new TFrameServer(images, prompt))
    , m_save(new QPushButton(images.Icon(TImageList::ServerSelected), QStringLiteral("&Save")))
{
    setObjectName(QStringLiteral("pnlConSet"));
    auto* caption = new QLabel(QStringLiteral("<b>Connection Settings</b>"));
    auto* close = new QToolButton;
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close"));
    connect(close, &QToolButton::clicked, this, &TConnectionSettingsPanel::closeRequested);
    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(6, 3, 2, 3);
    header->addWidget(caption, 1);
    header->addWidget(close);
    m_header->setAutoFillBackground(true);

    m_name->setObjectName(QStringLiteral("LabelName"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    auto* icon = new QLabel;
    icon->setPixmap(images.Icon(TImageList::ServerIdle).pixmap(16, 16));
    auto* nameStrip = new QHBoxLayout;
    nameStrip->setContentsMargins(6, 4, 6, 4);
    nameStrip->addWidget(icon);
    nameStrip->addWidget(m_name, 1);

    m_save->setObjectName(QStringLiteral("BitBtnSaveConnSettings"));
    connect(m_save, &QPushButton::clicked, this, &TConnectionSettingsPanel::saveRequested);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(6, 4, 6, 6);
    bottom->addStretch(1);
    bottom->addWidget(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addLayout(nameStrip);
    layout->addWidget(m_editor, 1);
    layout->addLayout(bottom);
}

void TConnectionSettingsPanel::SetColors(const QColor& header, const QColor& nameText)
{
    SetPaletteColor(*m_header, QPalette::Window, header);
    SetPaletteColor(*m_header, QPalette::WindowText, nameText);
    SetPaletteColor(*m_name, QPalette::WindowText, nameText);
}
