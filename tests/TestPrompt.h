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
    /// What the file and folder choosers return (empty: cancelled); their captions are recorded.
    QString chosenPath;
    QStringList choosers;

    void ShowMessage(const QString& text, Kind) override { messages.append(text); }
    bool Confirm(const QString& caption, const QString& text) override
    {
        questions.append(caption + u'|' + text);
        return answer;
    }
    QString ChooseFile(const QString& start) override
    {
        choosers.append(QStringLiteral("file|") + start);
        return chosenPath;
    }
    QString ChooseDirectory(const QString& caption, const QString& start) override
    {
        choosers.append(caption + u'|' + start);
        return chosenPath;
    }
};
