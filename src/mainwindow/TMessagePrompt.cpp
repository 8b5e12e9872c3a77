#include "TMessagePrompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

void TMessagePrompt::ShowMessage(const QString& text, Kind kind)
{
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(m_parent, title, text);
        break;
    case Kind::Warning:
        QMessageBox::warning(m_parent, title, text);
        break;
    case Kind::Error:
        QMessageBox::critical(m_parent, title, text);
        break;
    }
}

bool TMessagePrompt::Confirm(const QString& caption, const QString& text)
{
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString TMessagePrompt::ChooseFile(const QString& start)
{
    return QFileDialog::getOpenFileName(m_parent, QString(), start);
}

QString TMessagePrompt::ChooseDirectory(const QString& caption, const QString& start)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, start);
}
