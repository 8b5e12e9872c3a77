#pragma once

#include <QWidget>

class IPrompt;
class QLabel;
class QPushButton;
class QToolButton;
class TFrameServer;
class TImageList;

/// The settings panel at the right of the window: a header with a close button, the loaded connection's
/// name, the settings editor and the Save button.
class TConnectionSettingsPanel : public QWidget
{
    Q_OBJECT

public:
    TConnectionSettingsPanel(const TImageList& images, IPrompt& prompt, QWidget* parent = nullptr);

    TFrameServer& Editor() const { return *m_editor; }
    QLabel& LabelName() const { return *m_name; }
    QPushButton& SaveButton() const { return *m_save; }
    void SetColors(const QColor& header, const QColor& nameText);

Q_SIGNALS:
    void closeRequested();
    void saveRequested();

private:
    QWidget* m_header;
    QLabel* m_name;
    TFrameServer* m_editor;
    QPushButton* m_save;
};
