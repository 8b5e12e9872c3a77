#pragma once

#include "support/IPrompt.h"

#include <QStringList>

/// Answers questions as the test says and records every message and question.
class TestPrompt : public IPrompt
{
public:
    bool answer = true;
    QStringList messages;
    QStringList questions;

    void ShowMessage(const QString& text, Kind) override { messages.append(text); }
    bool Confirm(const QString& caption, const QString& text) override
    {
        questions.append(caption + u'|' + text);
        return answer;
    }
};
