#include "TFrameServer.h"

#include "TImageList.h"
#include "TNumberEdit.h"
#include "TPaletteColor.h"
#include "support/IPrompt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kColorDepths[] = {4, 8, 15, 16, 24, 32};
constexpr int kDefaultDepthEntry = 3;
const QSize kDesktopSizes[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
constexpr int kManualSizeEntry = 4;
constexpr int kSizeLimit = 10000;

const QColor kChangedColor(Qt::yellow);
const QColor kDisabledColor(192, 192, 192);

/// A list index from a stored value; -1 (no selection) when the list has no such entry.
int listIndex(const QComboBox* list, int value)
{
    return value >= 0 && value < list->count() ? value : -1;
}
} // namespace

TFrameServer::TFrameServer(const TImageList& images, IPrompt& prompt, QWidget* parent)
    : QWidget(parent)
    , m_images(images)
    , m_prompt(prompt)
    , m_pages(new QTabWidget)
    , m_screenMode(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("FrameServer"));
    m_pages->addTab(buildCommonPage(), QStringLiteral("Common"));
    m_pages->addTab(buildDisplayPage(), QStringLiteral("Display"));
    m_pages->addTab(buildResourcesPage(), QStringLiteral("Local Ressources"));
    m_pages->addTab(buildProgramsPage(), QStringLiteral("Programs"));
    m_pages->addTab(buildExtrasPage(), QStringLiteral("Extras"));
    MemoRdpFile = new QPlainTextEdit;
    MemoRdpFile->setObjectName(QStringLiteral("MemoRdpFile"));
    MemoRdpFile->setReadOnly(true);
    MemoRdpFile->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoRdpFile->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pages->addTab(MemoRdpFile, QStringLiteral("RDP File"));
    SetRecordPageVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    m_checks = {
        {CheckBoxSmartSize, &TRDPFile::SmartSizing, false},
        {CheckBoxDisplayConnectionBar, &TRDPFile::DisplayConnectionBar, true},
        {CheckBoxRedirectComPorts, &TRDPFile::RedirectComPorts, false},
        {CheckBoxRedirectDrives, &TRDPFile::RedirectDrives, true},
        {CheckBoxRedirectPrinters, &TRDPFile::RedirectPrinters, false},
        {CheckBoxRedirectSmartCards, &TRDPFile::RedirectSmartCards, false},
        {CheckBoxRedirectClipboard, &TRDPFile::RedirectClipboard, true},
        {CheckBoxMaximizedShell, &TRDPFile::MaximizeShell, false},
        {CheckBoxBitmapcachepersistenable, &TRDPFile::BitmapCachePersistEnable, false},
        {CheckBoxdisable_full_window_drag, &TRDPFile::DisableFullWindowDrag, false},
        {CheckBoxdisable_menu_anims, &TRDPFile::DisableMenuAnims, false},
        {CheckBoxdisable_themes, &TRDPFile::DisableThemes, false},
        {CheckBoxdisableWallpaper, &TRDPFile::DisableWallpaper, false},
        {CheckBoxAutoReconnection, &TRDPFile::AutoReconnectionEnabled, false},
        {CheckBox_connect_to_console, &TRDPFile::ConnectToConsole, false},
        {CheckBoxCompression, &TRDPFile::Compression, false},
    };
    // Address and alias belong to one connection; the multi edit leaves them alone.
    m_texts = {
        {EditAddress, &TRDPFile::FullAddress, false},
        {EditUsername, &TRDPFile::UserName, true},
        {EditDomain, &TRDPFile::Domain, true},
        {EditAlias, &TRDPFile::Alias, false},
        {EditDesc, &TRDPFile::Description, true},
        {EditAlternateShell, &TRDPFile::AlternateShell, true},
        {EditShellWorkingDir, &TRDPFile::ShellWorkingDirectory, true},
    };
    for (const CheckField& check : m_checks)
        connect(check.box, &QCheckBox::toggled, this, [this, box = check.box] { markButton(box); });
    // Every one-line text field: the mapped ones, the name (no record value) and the tags (a list).
    m_textEdits = {EditName, EditTags};
    for (const TextField& text : m_texts)
        m_textEdits.append(text.edit);
    for (QLineEdit* edit : m_textEdits)
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { markText(edit); });
    connect(EditName, &QLineEdit::textChanged, this, &TFrameServer::nameChanged);
    connect(EditPort, &TNumberEdit::changed, this, &TFrameServer::markPort);
    connect(m_screenMode, &QButtonGroup::buttonToggled, this, &TFrameServer::markRadios);

    EditScreenModeWidth->SetValue(1024);
    EditScreenModeHeight->SetValue(768);
    ComboBoxDesktopSize->setCurrentIndex(kManualSizeEntry);
    ResetEditor(false);
}

QLabel* TFrameServer::heading(const QString& text) const
{
    auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()));
    label->setContentsMargins(0, 6, 0, 2);
    return label;
}

QCheckBox* TFrameServer::checkBox(const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit* TFrameServer::lineEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* TFrameServer::shortcutLabel(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    label->installEventFilter(this);
    return label;
}

QWidget* TFrameServer::buildCommonPage()
{
    EditName = lineEdit("EditName");
    EditAddress = lineEdit("EditAddress");
    EditPort = new TNumberEdit(0, kSizeLimit);
    EditPort->setObjectName(QStringLiteral("EditPort"));
    EditPort->setToolTip(QStringLiteral("3389"));
    EditUsername = lineEdit("EditUsername");
    EditDomain = lineEdit("EditDomain");
    EditAlias = lineEdit("EditAlias");
    EditDesc = lineEdit("EditDesc");
    EditTags = lineEdit("EditTags");

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(heading(QStringLiteral("Connection Settings")));
    m_nameLabel = shortcutLabel(QStringLiteral("Name"), EditName);
    form->addRow(m_nameLabel, EditName);
    m_addressLabel = shortcutLabel(QStringLiteral("Address"), EditAddress);
    form->addRow(m_addressLabel, EditAddress);
    form->addRow(QStringLiteral("Port"), EditPort);
    form->addRow(heading(QStringLiteral("Credentials")));
    form->addRow(QStringLiteral("Username"), EditUsername);
    form->addRow(QStringLiteral("Domain"), EditDomain);
    form->addRow(heading(QStringLiteral("Extras")));
    m_aliasLabel = shortcutLabel(QStringLiteral("Alias"), EditAlias);
    form->addRow(m_aliasLabel, EditAlias);
    m_descLabel = shortcutLabel(QStringLiteral("Description"), EditDesc);
    form->addRow(m_descLabel, EditDesc);
    m_tagsLabel = shortcutLabel(QStringLiteral("Tags"), EditTags);
    form->addRow(m_tagsLabel, EditTags);
    return page;
}

QWidget* TFrameServer::buildDisplayPage()
{
    RadioButtonCustom = new QRadioButton(QStringLiteral("Custom"));
    RadioButtonCustom->setObjectName(QStringLiteral("RadioButtonCustom"));
    RadioButtonFullScreen = new QRadioButton(QStringLiteral("Full Screen"));
    RadioButtonFullScreen->setObjectName(QStringLiteral("RadioButtonFullScreen"));
    RadioButtonAutoExpand = new QRadioButton(QStringLiteral("Auto Expand"));
    RadioButtonAutoExpand->setObjectName(QStringLiteral("RadioButtonAutoExpand"));
    for (QRadioButton* radio : {RadioButtonCustom, RadioButtonFullScreen, RadioButtonAutoExpand})
        m_screenMode->addButton(radio);
    EditScreenModeWidth = new TNumberEdit(0, kSizeLimit);
    EditScreenModeWidth->setObjectName(QStringLiteral("EditScreenModeWidth"));
    EditScreenModeHeight = new TNumberEdit(0, kSizeLimit);
    EditScreenModeHeight->setObjectName(QStringLiteral("EditScreenModeHeight"));
    ComboBoxDesktopSize = new QComboBox;
    ComboBoxDesktopSize->setObjectName(QStringLiteral("ComboBoxDesktopSize"));
    for (const QSize& size : kDesktopSizes)
        ComboBoxDesktopSize->addItem(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    ComboBoxDesktopSize->addItem(QStringLiteral("manual"));
    connect(ComboBoxDesktopSize, &QComboBox::currentIndexChanged, this, &TFrameServer::ComboBoxDesktopSizeChange);
    CheckBoxSmartSize = checkBox("CheckBoxSmartSize", QStringLiteral("Smart Size"));
    CheckBoxDisplayConnectionBar =
        checkBox("CheckBoxDisplayConnectionBar", QStringLiteral("Display Connection Bar on FullScreen"));
    ComboBoxSession_bpp = new QComboBox;
    ComboBoxSession_bpp->setObjectName(QStringLiteral("ComboBoxSession_bpp"));
    ComboBoxSession_bpp->addItems({QStringLiteral("16 Color (4bit)"), QStringLiteral("256 Color (8bit)"),
                                   QStringLiteral("High Color (15bit)"), QStringLiteral("High Color (16bit)"),
                                   QStringLiteral("True Color (24bit)"), QStringLiteral("True Color (32bit)")});

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int row = 0;
    grid->addWidget(heading(QStringLiteral("Desktop Size")), row++, 0, 1, 4);
    grid->addWidget(RadioButtonCustom, row, 0);
    grid->addWidget(EditScreenModeWidth, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("x")), row, 2);
    grid->addWidget(EditScreenModeHeight, row++, 3);
    grid->addWidget(ComboBoxDesktopSize, row++, 1, 1, 3);
    grid->addWidget(RadioButtonFullScreen, row++, 0, 1, 4);
    grid->addWidget(RadioButtonAutoExpand, row++, 0, 1, 4);
    grid->addWidget(CheckBoxSmartSize, row++, 0, 1, 4);
    grid->addWidget(CheckBoxDisplayConnectionBar, row++, 0, 1, 4);
    grid->addWidget(heading(QStringLiteral("Colors")), row++, 0, 1, 4);
    grid->addWidget(ComboBoxSession_bpp, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* TFrameServer::buildResourcesPage()
{
    ComboBoxAudiomode = new QComboBox;
    ComboBoxAudiomode->setObjectName(QStringLiteral("ComboBoxAudiomode"));
    ComboBoxAudiomode->addItems({QStringLiteral("Audio plays on the host server"),
                                 QStringLiteral("Audio plays on the Remote Desktop device"),
                                 QStringLiteral("Audio does not play")});
    CheckBoxRedirectComPorts = checkBox("CheckBoxRedirectComPorts", QStringLiteral("COM Ports"));
    CheckBoxRedirectDrives = checkBox("CheckBoxRedirectDrives", QStringLiteral("Drives"));
    CheckBoxRedirectPrinters = checkBox("CheckBoxRedirectPrinters", QStringLiteral("Printers"));
    CheckBoxRedirectSmartCards = checkBox("CheckBoxRedirectSmartCards", QStringLiteral("Smart Cards"));
    CheckBoxRedirectClipboard = checkBox("CheckBoxRedirectClipboard", QStringLiteral("Clipboard"));
    ComboBoxKeyboardHook = new QComboBox;
    ComboBoxKeyboardHook->setObjectName(QStringLiteral("ComboBoxKeyboardHook"));
    ComboBoxKeyboardHook->addItems({QStringLiteral("are applied locally on the Remote Desktop device"),
                                    QStringLiteral("are applied on the remote server"),
                                    QStringLiteral("are applied in full-screen mode only")});

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Sounds on Remotecomputer")));
    layout->addWidget(ComboBoxAudiomode);
    layout->addWidget(heading(QStringLiteral("Redirections")));
    for (QCheckBox* box : {CheckBoxRedirectComPorts, CheckBoxRedirectDrives, CheckBoxRedirectPrinters,
                           CheckBoxRedirectSmartCards, CheckBoxRedirectClipboard})
        layout->addWidget(box);
    layout->addWidget(heading(QStringLiteral("Windows key combinations")));
    layout->addWidget(ComboBoxKeyboardHook);
    layout->addStretch(1);
    return page;
}

QWidget* TFrameServer::buildProgramsPage()
{
    EditAlternateShell = lineEdit("EditAlternateShell");
    EditShellWorkingDir = lineEdit("EditShellWorkingDir");
    CheckBoxMaximizedShell = checkBox("CheckBoxMaximizedShell", QStringLiteral("Maximized"));
    auto withBrowse = [](QLineEdit* edit, const char* name) {
        auto* box = new QWidget;
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(edit, 1);
        auto* browse = new QToolButton;
        browse->setObjectName(QLatin1String(name));
        browse->setText(QStringLiteral("..."));
        row->addWidget(browse);
        return std::pair{box, browse};
    };
    auto [shellBox, shellBrowse] = withBrowse(EditAlternateShell, "SpeedButton1");
    auto [dirBox, dirBrowse] = withBrowse(EditShellWorkingDir, "SpeedButton2");
    connect(shellBrowse, &QToolButton::clicked, this, &TFrameServer::SpeedButton1Click);
    connect(dirBrowse, &QToolButton::clicked, this, &TFrameServer::SpeedButton2Click);

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(heading(QStringLiteral("Alternate shell")));
    form->addRow(QStringLiteral("Program filename"), shellBox);
    form->addRow(QStringLiteral("Working Directory"), dirBox);
    form->addRow(CheckBoxMaximizedShell);
    return page;
}

QWidget* TFrameServer::buildExtrasPage()
{
    CheckBoxBitmapcachepersistenable = checkBox("CheckBoxBitmapcachepersistenable", QStringLiteral("Bitmap caching"));
    CheckBoxdisable_full_window_drag =
        checkBox("CheckBoxdisable_full_window_drag", QStringLiteral("Disable full window drag"));
    CheckBoxdisable_menu_anims =
        checkBox("CheckBoxdisable_menu_anims", QStringLiteral("Disable Menu and window animation"));
    CheckBoxdisable_themes = checkBox("CheckBoxdisable_themes", QStringLiteral("Disable themes"));
    CheckBoxdisableWallpaper = checkBox("CheckBoxdisableWallpaper", QStringLiteral("Disable wallpaper"));
    CheckBoxAutoReconnection = checkBox("CheckBoxAutoReconnection", QStringLiteral("Auto reconnection"));
    CheckBox_connect_to_console = checkBox("CheckBox_connect_to_console", QStringLiteral("Connect to console"));
    CheckBoxCompression = checkBox("CheckBoxCompression", QStringLiteral("Compression"));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Performance")));
    for (QCheckBox* box : {CheckBoxBitmapcachepersistenable, CheckBoxdisable_full_window_drag,
                           CheckBoxdisable_menu_anims, CheckBoxdisable_themes, CheckBoxdisableWallpaper})
        layout->addWidget(box);
    layout->addWidget(heading(QStringLiteral("Other")));
    for (QCheckBox* box : {CheckBoxAutoReconnection, CheckBox_connect_to_console, CheckBoxCompression})
        layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

void TFrameServer::ResetEditor(bool marking)
{
    m_marking = false;
    for (QLineEdit* edit : m_textEdits)
        edit->clear();
    EditPort->SetValue(3389);
    m_portReference = EditPort->Text();
    RadioButtonAutoExpand->setChecked(true);
    for (const CheckField& check : m_checks)
        check.box->setChecked(check.start);
    ComboBoxSession_bpp->setCurrentIndex(kDefaultDepthEntry);
    ComboBoxAudiomode->setCurrentIndex(0);
    ComboBoxKeyboardHook->setCurrentIndex(2);

    m_reference.clear();
    for (const CheckField& check : m_checks)
        m_reference.insert(check.box, check.box->isChecked());
    for (const QAbstractButton* radio : m_screenMode->buttons())
        m_reference.insert(radio, radio->isChecked());
    m_listReference = {{ComboBoxSession_bpp, ComboBoxSession_bpp->currentIndex()},
                       {ComboBoxAudiomode, ComboBoxAudiomode->currentIndex()},
                       {ComboBoxKeyboardHook, ComboBoxKeyboardHook->currentIndex()}};
    m_marking = marking;
    for (QLineEdit* edit : m_textEdits)
        markText(edit);
    for (const CheckField& check : m_checks)
        markButton(check.box);
    markRadios();
    markPort();
}

void TFrameServer::LoadRecord(const QString& name, const TRDPFile& record)
{
    m_loading = true;
    EditName->setText(name);
    for (const TextField& text : m_texts)
        text.edit->setText(record.*text.field);
    EditTags->setText(TRDPFile::TagsToText(record.Tags));
    EditPort->SetValue(record.Port);
    EditScreenModeWidth->SetValue(record.DesktopWidth);
    EditScreenModeHeight->SetValue(record.DesktopHeight);
    int sizeEntry = kManualSizeEntry;
    for (int i = 0; i < kManualSizeEntry; ++i) {
        if (kDesktopSizes[i] == QSize(record.DesktopWidth, record.DesktopHeight))
            sizeEntry = i;
    }
    ComboBoxDesktopSize->setCurrentIndex(sizeEntry);
    RadioButtonFullScreen->setChecked(record.ScreenModeId == 2);
    RadioButtonCustom->setChecked(record.ScreenModeId != 2);
    // Auto expand wins: being one group, it turns the other two off.
    if (record.AutoExpand == 1)
        RadioButtonAutoExpand->setChecked(true);
    for (const CheckField& check : m_checks)
        check.box->setChecked(record.*check.field != 0);
    const int* depth = std::find(std::begin(kColorDepths), std::end(kColorDepths), record.SessionBpp);
    ComboBoxSession_bpp->setCurrentIndex(depth == std::end(kColorDepths) ? kDefaultDepthEntry
                                                                         : int(depth - std::begin(kColorDepths)));
    ComboBoxAudiomode->setCurrentIndex(listIndex(ComboBoxAudiomode, record.AudioMode));
    ComboBoxKeyboardHook->setCurrentIndex(listIndex(ComboBoxKeyboardHook, record.KeyboardHook));
    MemoRdpFile->setPlainText(record.Lines.join(QLatin1Char('\n')));
    m_loadedName = name;
    m_loading = false;
}

void TFrameServer::WriteEditorToElement(TRDPFile& record, bool multi) const
{
    for (const TextField& text : m_texts) {
        if (!multi || (text.multi && IsChanged(text.edit)))
            record.*text.field = text.edit->text();
    }
    if (!multi || IsChanged(EditTags))
        record.Tags = TRDPFile::TextToTags(EditTags->text());
    // A value the field could not show (outside 0..10000) stays unless the user edited the field.
    if (!multi)
        record.Port = EditPort->Edited() ? EditPort->Position() : EditPort->Value();
    else if (IsChanged(EditPort))
        record.Port = EditPort->Position();
    if (!multi) {
        record.DesktopWidth =
            EditScreenModeWidth->Edited() ? EditScreenModeWidth->Position() : EditScreenModeWidth->Value();
        record.DesktopHeight =
            EditScreenModeHeight->Edited() ? EditScreenModeHeight->Position() : EditScreenModeHeight->Value();
    }
    for (const CheckField& check : m_checks) {
        if (!multi || IsChanged(check.box))
            record.*check.field = TRDPValue::BoolToInt(check.box->isChecked());
    }
    if (!multi || IsChanged(RadioButtonFullScreen))
        record.ScreenModeId = RadioButtonFullScreen->isChecked() ? 2 : 1;
    if (!multi || IsChanged(RadioButtonAutoExpand))
        record.AutoExpand = RadioButtonAutoExpand->isChecked() ? 1 : 0;
    if (!multi || IsChanged(ComboBoxSession_bpp)) {
        const int entry = ComboBoxSession_bpp->currentIndex();
        record.SessionBpp = kColorDepths[entry >= 0 ? entry : kDefaultDepthEntry];
    }
    if (!multi || IsChanged(ComboBoxAudiomode))
        record.AudioMode = ComboBoxAudiomode->currentIndex();
    if (!multi || IsChanged(ComboBoxKeyboardHook))
        record.KeyboardHook = ComboBoxKeyboardHook->currentIndex();
}

bool TFrameServer::IsChanged(const QWidget* control) const
{
    if (control == EditPort)
        return EditPort->Text() != m_portReference;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return !edit->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked() != m_reference.value(button, button->isChecked());
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentIndex() != m_listReference.value(list, list->currentIndex());
    return false;
}

void TFrameServer::SetSingleFieldsEnabled(bool enabled)
{
    for (QWidget* field :
         std::initializer_list<QWidget*>{EditName, EditAddress, EditAlias, EditScreenModeWidth, EditScreenModeHeight})
        field->setEnabled(enabled);
    for (QLineEdit* edit : {EditName, EditAddress, EditAlias})
        markText(edit);
}

void TFrameServer::SetRecordPageVisible(bool visible)
{
    m_pages->setTabVisible(m_pages->indexOf(MemoRdpFile), visible);
}

void TFrameServer::ShowFirstPage()
{
    m_pages->setCurrentIndex(0);
}

void TFrameServer::markText(QLineEdit* edit)
{
    markField(*edit, IsChanged(edit));
}

void TFrameServer::markPort()
{
    markField(EditPort->Field(), IsChanged(EditPort));
}

void TFrameServer::markField(QLineEdit& field, bool changed)
{
    QColor base = QPalette().color(QPalette::Base);
    if (!field.isEnabled())
        base = kDisabledColor;
    else if (m_marking && changed)
        base = kChangedColor;
    SetPaletteColor(field, QPalette::Base, base);
}

void TFrameServer::markButton(QAbstractButton* button)
{
    QFont font = button->font();
    font.setUnderline(m_marking && IsChanged(button));
    button->setFont(font);
}

void TFrameServer::markRadios()
{
    for (QAbstractButton* radio : m_screenMode->buttons())
        markButton(radio);
}

void TFrameServer::ComboBoxDesktopSizeChange(int index)
{
    if (m_loading || index < 0 || index >= kManualSizeEntry)
        return;
    EditScreenModeWidth->Field().setText(QString::number(kDesktopSizes[index].width()));
    EditScreenModeHeight->Field().setText(QString::number(kDesktopSizes[index].height()));
}

void TFrameServer::SpeedButton1Click()
{
    const QString chosen = m_prompt.ChooseFile(EditAlternateShell->text());
    if (!chosen.isEmpty())
        EditAlternateShell->setText(chosen);
}

void TFrameServer::SpeedButton2Click()
{
    // The caption's two blanks are no-break spaces.
    const QString chosen =
        m_prompt.ChooseDirectory(QStringLiteral("Select\u00A0a\u00A0directory"), EditShellWorkingDir->text());
    if (!chosen.isEmpty())
        EditShellWorkingDir->setText(chosen);
}

bool TFrameServer::eventFilter(QObject* watched, QEvent* event)
{
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    const bool click = event->type() == QEvent::MouseButtonRelease;
    if (watched == m_nameLabel && doubleClick)
        EditAddress->setText(EditName->text());
    else if (watched == m_addressLabel && click)
        EditName->setText(EditAddress->text());
    else if (watched == m_aliasLabel && doubleClick)
        EditDesc->setText(EditAlias->text());
    else if ((watched == m_descLabel || watched == m_tagsLabel) && doubleClick)
        EditAlias->setText(EditDesc->text());
    return QWidget::eventFilter(watched, event);
}
