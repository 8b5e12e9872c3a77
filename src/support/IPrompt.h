#pragma once

#include <QString>

/// Every message box and question goes through here, so that tests answer them without a display.
class IPrompt
{
public:
    enum class Kind { Information, Warning, Error };

    virtual ~IPrompt() = default;
    virtual void ShowMessage(const QString& text, Kind kind) = 0;
    /// A Yes/No question; true for Yes.
    virtual bool Confirm(const QString& caption, const QString& text) = 0;
    /// A file to open, chosen by the user; empty when cancelled.
    virtual QString ChooseFile(const QString& start) = 0;
    /// A folder chosen by the user, starting at `start`; empty when cancelled.
    virtual QString ChooseDirectory(const QString& caption, const QString& start) = 0;
};
