#pragma once

#include "core/TRDPFile.h"

#include <QHash>
#include <QWidget>

class IPrompt;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class TImageList;
class TNumberEdit;

/// The connection settings editor: the values of one connection file on five pages. It reads and writes a
/// connection file record only; saving and renaming files is its owner's business. In multi mode it marks
/// what the user changed, and only that is written.
class TFrameServer : public QWidget
{
    Q_OBJECT

public:
    TFrameServer(const TImageList& images, IPrompt& prompt, QWidget* parent = nullptr);

    /// Puts every control into its start value; with `marking` the editor is in multi mode from now on.
    void ResetEditor(bool marking);
    /// Fills the controls from a connection's record and remembers its name as the loaded name.
    void LoadRecord(const QString& name, const TRDPFile& record);
    /// Copies the controls into a record: every mapped value, or in multi mode the changed ones only.
    /// The connection name is never written.
    void WriteEditorToElement(TRDPFile& record, bool multi) const;

    QString LoadedName() const { return m_loadedName; }
    void SetLoadedName(const QString& name) { m_loadedName = name; }
    bool Marking() const { return m_marking; }
    /// Whether a control counts as changed in multi mode.
    bool IsChanged(const QWidget* control) const;
    /// Enables or disables the fields that only make sense for one connection (multi mode disables them).
    void SetSingleFieldsEnabled(bool enabled);
    void SetRecordPageVisible(bool visible);
    void ShowFirstPage();

    QTabWidget& Pages() const { return *m_pages; }
    QLineEdit* EditName;
    QLineEdit* EditAddress;
    TNumberEdit* EditPort;
    QLineEdit* EditUsername;
    QLineEdit* EditDomain;
    QLineEdit* EditAlias;
    QLineEdit* EditDesc;
    QLineEdit* EditTags;
    QRadioButton* RadioButtonCustom;
    TNumberEdit* EditScreenModeWidth;
    TNumberEdit* EditScreenModeHeight;
    QComboBox* ComboBoxDesktopSize;
    QRadioButton* RadioButtonFullScreen;
    QRadioButton* RadioButtonAutoExpand;
    QCheckBox* CheckBoxSmartSize;
    QCheckBox* CheckBoxDisplayConnectionBar;
    QComboBox* ComboBoxSession_bpp;
    QComboBox* ComboBoxAudiomode;
    QCheckBox* CheckBoxRedirectComPorts;
    QCheckBox* CheckBoxRedirectDrives;
    QCheckBox* CheckBoxRedirectPrinters;
    QCheckBox* CheckBoxRedirectSmartCards;
    QCheckBox* CheckBoxRedirectClipboard;
    QComboBox* ComboBoxKeyboardHook;
    QLineEdit* EditAlternateShell;
    QLineEdit* EditShellWorkingDir;
    QCheckBox* CheckBoxMaximizedShell;
    QCheckBox* CheckBoxBitmapcachepersistenable;
    QCheckBox* CheckBoxdisable_full_window_drag;
    QCheckBox* CheckBoxdisable_menu_anims;
    QCheckBox* CheckBoxdisable_themes;
    QCheckBox* CheckBoxdisableWallpaper;
    QCheckBox* CheckBoxAutoReconnection;
    QCheckBox* CheckBox_connect_to_console;
    QCheckBox* CheckBoxCompression;
    QPlainTextEdit* MemoRdpFile;

    void SpeedButton1Click();
    void SpeedButton2Click();

Q_SIGNALS:
    void nameChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CheckField
    {
        QCheckBox* box;
        int TRDPFile::*field;
        bool start;
    };
    struct TextField
    {
        QLineEdit* edit;
        QString TRDPFile::*field;
        bool multi;
    };

    QWidget* buildCommonPage();
    QWidget* buildDisplayPage();
    QWidget* buildResourcesPage();
    QWidget* buildProgramsPage();
    QWidget* buildExtrasPage();
    QLabel* heading(const QString& text) const;
    QCheckBox* checkBox(const char* name, const QString& caption);
    QLineEdit* lineEdit(const char* name);
    QLabel* shortcutLabel(const QString& caption, QWidget* buddy);
    void markText(QLineEdit* edit);
    void markPort();
    void markField(QLineEdit& field, bool changed);
    void markButton(QAbstractButton* button);
    void markRadios();
    void ComboBoxDesktopSizeChange(int index);

    const TImageList& m_images;
    IPrompt& m_prompt;
    QTabWidget* m_pages;
    QButtonGroup* m_screenMode;
    QList<CheckField> m_checks;
    QList<TextField> m_texts;
    QList<QLineEdit*> m_textEdits;
    QHash<const QAbstractButton*, bool> m_reference;
    QHash<const QComboBox*, int> m_listReference;
    QString m_portReference;
    QString m_loadedName;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLabel* m_aliasLabel = nullptr;
    QLabel* m_descLabel = nullptr;
    QLabel* m_tagsLabel = nullptr;
    bool m_marking = false;
    bool m_loading = false;
};
