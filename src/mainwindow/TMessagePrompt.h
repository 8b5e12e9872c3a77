#pragma once

#include "support/IPrompt.h"

class QWidget;

/// Message boxes for the real window.
class TMessagePrompt : public IPrompt
{
public:
    explicit TMessagePrompt(QWidget* parent = nullptr)
        : m_parent(parent)
    {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text, Kind kind) override;
    bool Confirm(const QString& caption, const QString& text) override;
    QString ChooseFile(const QString& start) override;
    QString ChooseDirectory(const QString& caption, const QString& start) override;

private:
    QWidget* m_parent;
};
