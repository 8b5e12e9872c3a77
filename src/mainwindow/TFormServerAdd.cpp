#include "TFormServerAdd.h"

#include "TFrameServer.h"
#include "TImageList.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormServerAdd::TFormServerAdd(const TImageList& images, IPrompt& prompt, QWidget* parent)
    : QDialog(parent)
    , m_info(new QLabel)
    , m_picture(new QLabel)
    , m_editor(new TFrameServer(images, prompt))
    , m_buttons(new QDialogButtonBox)
{
    setObjectName(QStringLiteral("FormServerAdd"));
    setWindowTitle(QStringLiteral("Server"));
    setMinimumWidth(520);
    m_picture->setPixmap(images.Icon(TImageList::ServerDuplicate).pixmap(32, 32));
    m_ok = m_buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    m_buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_editor, &TFrameServer::nameChanged, this, &TFormServerAdd::FrameServerEditNameChange);

    auto* top = new QHBoxLayout;
    top->addWidget(m_picture);
    top->addWidget(m_info, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_buttons);
}

void TFormServerAdd::Prepare(bool multi)
{
    m_multi = multi;
    m_info->setText(multi ? QStringLiteral("Modify multiple server valus at a time")
                          : QStringLiteral("Enter your new server name"));
    m_picture->setVisible(multi);
    m_editor->ResetEditor(multi);
    m_editor->SetSingleFieldsEnabled(!multi);
    m_editor->ShowFirstPage();
    FrameServerEditNameChange();
}

QString TFormServerAdd::InfoText() const
{
    return m_info->text();
}

void TFormServerAdd::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    (m_multi ? m_editor->EditUsername : m_editor->EditName)->setFocus();
}

void TFormServerAdd::FrameServerEditNameChange()
{
    m_ok->setEnabled(m_multi || !m_editor->EditName->text().isEmpty());
}
