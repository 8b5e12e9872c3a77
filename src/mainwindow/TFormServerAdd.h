#pragma once

#include <QDialog>

class IPrompt;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class TFrameServer;
class TImageList;

/// The "Server" dialog around the settings editor: the values of a new server (single mode), or the
/// changes to apply to several servers at once (multi mode).
class TFormServerAdd : public QDialog
{
    Q_OBJECT

public:
    TFormServerAdd(const TImageList& images, IPrompt& prompt, QWidget* parent = nullptr);

    /// Resets the editor for the mode; the dialog is then ready to be shown.
    void Prepare(bool multi);
    bool Multi() const { return m_multi; }
    TFrameServer& Editor() const { return *m_editor; }
    QPushButton* OkButton() const { return m_ok; }
    QString InfoText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FrameServerEditNameChange();

    QLabel* m_info;
    QLabel* m_picture;
    TFrameServer* m_editor;
    QDialogButtonBox* m_buttons;
    QPushButton* m_ok;
    bool m_multi = false;
};
