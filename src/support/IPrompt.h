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
};
