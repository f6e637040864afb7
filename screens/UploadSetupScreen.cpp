#include "screens/UploadSetupScreen.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "link/SideFileTemplates.h"
#include "screens/PortMapSettings.h"
#include "screens/QtText.h"
#include "screens/SerialDeviceChoices.h"
#include "screens/TextEditorLauncher.h"
#include "screens/UploadSession.h"
#include "screens/UploadSetupRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace merix {

namespace {

// A whole path, as long as the settings file keeps it.
constexpr int kFileNameCharacters = static_cast<int>(kPathCapacity - 1);
constexpr int kPhoneCharacters = 39;
const char* const kBaudRates[] = {"300", "600", "1200", "2400", "4800", "9600", "19200"};

QString text(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

UploadSetupScreen::UploadSetupScreen(UploadSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_saved(session.settings), m_savedPorts(session.ports) {
    setWindowTitle(QStringLiteral("Upload Setup"));
    setModal(true);

    auto* left = new QVBoxLayout;
    left->addWidget(buildConnection());
    left->addWidget(buildPorts());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildOptions());
    right->addWidget(buildSideFiles());
    right->addStretch();

    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(columns);
    all->addLayout(buttons);

    showRecord();
    connectControls();
}

QWidget* UploadSetupScreen::buildConnection() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* type = new QGroupBox(QStringLiteral("&Type"), box);
    auto* typeLayout = new QHBoxLayout(type);
    m_typeGroup = new QButtonGroup(this);
    m_type[0] = new QRadioButton(QStringLiteral("&Direct Connection"), type);
    m_type[1] = new QRadioButton(QStringLiteral("&Modem"), type);
    for (int i = 0; i < 2; ++i) {
        m_typeGroup->addButton(m_type[i], i);
        typeLayout->addWidget(m_type[i]);
    }
    layout->addWidget(type);

    auto* modem = new QGroupBox(QStringLiteral("&Modem"), box);
    auto* modemLayout = new QFormLayout(modem);
    m_phone = new QLineEdit(modem);
    m_phone->setMaxLength(kPhoneCharacters);
    modemLayout->addRow(new QLabel(QStringLiteral("&Phone Number:"), modem), m_phone);
    qobject_cast<QLabel*>(modemLayout->labelForField(m_phone))->setBuddy(m_phone);
    layout->addWidget(modem);

    auto* baudRow = new QHBoxLayout;
    auto* baudLabel = new QLabel(QStringLiteral("&Baud Rate:"), box);
    m_baud = new QComboBox(box);
    for (const char* rate : kBaudRates)
        m_baud->addItem(text(rate));
    baudLabel->setBuddy(m_baud);
    baudRow->addWidget(baudLabel);
    baudRow->addWidget(m_baud);
    baudRow->addStretch();
    layout->addLayout(baudRow);
    return box;
}

QWidget* UploadSetupScreen::buildPorts() {
    auto* group = new QGroupBox(QStringLiteral("&COM Port"), this);
    auto* grid = new QGridLayout(group);
    m_portGroup = new QButtonGroup(this);
    const std::vector<SerialDeviceChoice> choices = serialDeviceChoices();
    for (int i = 0; i < PortMap::kPortCount; ++i) {
        m_port[i] = new QRadioButton(QStringLiteral("Port &%1").arg(i + 1), group);
        m_portGroup->addButton(m_port[i], i);
        // Any device path or network endpoint may be typed, and is kept as typed; the list
        // offers the devices present now.
        m_device[i] = new QComboBox(group);
        m_device[i]->setEditable(true);
        m_device[i]->setInsertPolicy(QComboBox::NoInsert);
        m_device[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_device[i]->setMinimumContentsLength(24);
        m_device[i]->setToolTip(
            QStringLiteral("What Port %1 (COM%1) reaches: a serial device such as /dev/ttyUSB0, "
                           "or a serial port on the network as tcp://host:port (raw) or "
                           "rfc2217://host:port (the baud rate is set on the remote port)")
                .arg(i + 1));
        for (const SerialDeviceChoice& choice : choices) {
            m_device[i]->addItem(toQString(choice.path));
            if (!choice.currentDevice.empty())
                m_device[i]->setItemData(m_device[i]->count() - 1, toQString(choice.currentDevice),
                                         Qt::ToolTipRole);
        }
        grid->addWidget(m_port[i], i, 0);
        grid->addWidget(m_device[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* UploadSetupScreen::buildOptions() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_strip = new QCheckBox(QStringLiteral("Strip Comments for &Fast Upload"), box);
    layout->addWidget(m_strip);

    auto* group = new QGroupBox(QStringLiteral("Up&load Options"), box);
    auto* options = new QVBoxLayout(group);
    m_optionGroup = new QButtonGroup(this);
    const char* const captions[] = {"Upload Changes Since &Last Upload",
                                    "Upload Changes Since &Initialization", "Upload &Everything"};
    for (int i = 0; i < 3; ++i) {
        m_option[i] = new QRadioButton(text(captions[i]), group);
        m_optionGroup->addButton(m_option[i], i);
        options->addWidget(m_option[i]);
    }
    layout->addWidget(group);
    return box;
}

QWidget* UploadSetupScreen::buildSideFiles() {
    auto* group = new QGroupBox(QStringLiteral("Other Upload Files"), this);
    auto* grid = new QGridLayout(group);
    auto addFile = [&](int row, QLineEdit*& field, QPushButton*& edit, QCheckBox*& box,
                       const char* boxCaption) {
        auto* label = new QLabel(QStringLiteral("Filename:"), group);
        field = new QLineEdit(group);
        field->setMaxLength(kFileNameCharacters);
        field->setMinimumWidth(300);
        label->setBuddy(field);
        edit = new QPushButton(QStringLiteral("Edit"), group);
        edit->setAutoDefault(false);
        box = new QCheckBox(text(boxCaption), group);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(edit, row, 2);
        grid->addWidget(box, row + 1, 1, 1, 2);
    };
    addFile(0, m_beforeFile, m_beforeEdit, m_uploadBefore, "Upload Before Command File");
    addFile(2, m_afterFile, m_afterEdit, m_uploadAfter, "Upload After Command File");
    grid->setColumnStretch(1, 1);
    return group;
}

void UploadSetupScreen::showRecord() {
    const UploadSettings& s = m_session.settings;
    if (s.connectionType == ConnectionType::Direct || s.connectionType == ConnectionType::Modem)
        m_type[static_cast<std::size_t>(s.connectionType)]->setChecked(true);
    m_phone->setText(toQString(s.phoneNumber.str()));
    m_baud->setCurrentIndex(m_baud->findText(toQString(s.baudRate.str()), Qt::MatchExactly));
    if (s.comPort >= 0 && s.comPort < PortMap::kPortCount)
        m_port[s.comPort]->setChecked(true);
    for (int i = 0; i < PortMap::kPortCount; ++i)
        m_device[i]->setCurrentText(toQString(m_session.ports.device(i)));
    m_strip->setChecked(s.stripComments != 0);
    const int option = static_cast<int>(s.uploadOption);
    if (option >= 0 && option < 3)
        m_option[static_cast<std::size_t>(option)]->setChecked(true);
    m_beforeFile->setText(toQString(s.beforeFile.str()));
    m_uploadBefore->setChecked(s.uploadBefore != 0);
    m_afterFile->setText(toQString(s.afterFile.str()));
    m_uploadAfter->setChecked(s.uploadAfter != 0);
}

void UploadSetupScreen::connectControls() {
    UploadSettings& s = m_session.settings;
    connect(m_typeGroup, &QButtonGroup::idToggled, this, [&s](int id, bool on) {
        if (on)
            s.connectionType = static_cast<ConnectionType>(id);
    });
    connect(m_phone, &QLineEdit::textChanged, this, &UploadSetupScreen::onPhoneChanged);
    connect(m_baud, &QComboBox::currentIndexChanged, this, [this, &s](int index) {
        const std::string rate = m_baud->itemText(index).toStdString();
        if (index >= 0 && rate != s.baudRate.str())
            s.baudRate = rate;
    });
    connect(m_portGroup, &QButtonGroup::idToggled, this, [&s](int id, bool on) {
        if (on)
            s.comPort = id;
    });
    for (int i = 0; i < PortMap::kPortCount; ++i) {
        connect(m_device[i], &QComboBox::currentTextChanged, this,
                [this, i](const QString& device) {
                    m_session.ports.setDevice(i, device.trimmed().toStdString());
                });
    }
    connect(m_strip, &QCheckBox::toggled, this, [&s](bool on) { s.stripComments = on ? 1 : 0; });
    connect(m_optionGroup, &QButtonGroup::idToggled, this, [&s](int id, bool on) {
        if (on)
            s.uploadOption = static_cast<UploadOption>(id);
    });
    connect(m_beforeFile, &QLineEdit::textChanged, this,
            [&s](const QString& t) { s.beforeFile = t.toStdString(); });
    connect(m_afterFile, &QLineEdit::textChanged, this,
            [&s](const QString& t) { s.afterFile = t.toStdString(); });
    connect(m_uploadBefore, &QCheckBox::toggled, this,
            [&s](bool on) { s.uploadBefore = on ? 1 : 0; });
    connect(m_uploadAfter, &QCheckBox::toggled, this,
            [&s](bool on) { s.uploadAfter = on ? 1 : 0; });
    connect(m_beforeEdit, &QPushButton::clicked, this, [this] {
        editCommandFile(m_beforeFile->text().toStdString(), beforeFileTemplate(),
                        m_session.prompter, m_session.editor);
    });
    connect(m_afterEdit, &QPushButton::clicked, this, [this] {
        editCommandFile(m_afterFile->text().toStdString(), afterFileTemplate(), m_session.prompter,
                        m_session.editor);
    });
    connect(m_cancel, &QPushButton::clicked, this, &UploadSetupScreen::reject);
    connect(m_ok, &QPushButton::clicked, this, &UploadSetupScreen::onOk);
}

void UploadSetupScreen::onPhoneChanged() {
    const PhoneNumberCheck check = checkPhoneNumber(m_phone->text().toStdU16String());
    const QString corrected = QString::fromStdU16String(check.corrected);
    if (check.verdict == PhoneNumberCheck::Verdict::Accepted) {
        m_session.settings.phoneNumber = corrected.toStdString();
        return;
    }
    m_session.prompter.inform(QString::fromStdU16String(check.message()).toStdString());
    // Setting the corrected text is a change of its own and is checked again from here.
    m_phone->setText(corrected);
    if (check.verdict == PhoneNumberCheck::Verdict::InvalidCharacter &&
        m_phone->text() == corrected)
        m_phone->setCursorPosition(check.caret);
}

void UploadSetupScreen::onOk() {
    // A mistyped address would otherwise only come to light at the next connect.
    const EndpointProblem problem = checkPortEndpoints(m_session.ports);
    if (problem.port >= 0) {
        m_session.prompter.inform(problem.message);
        QComboBox* box = m_device.at(static_cast<std::size_t>(problem.port));
        box->setFocus();
        box->lineEdit()->selectAll();
        return;
    }
    const std::string error = saveUploadSettings(m_session.settings, m_session.doc.documentPath());
    if (!error.empty())
        m_session.prompter.inform(error);
    savePortMap(m_session.ports);
    if (m_session.settings.uploadOption != m_saved.uploadOption) {
        const CommandFileResult result = generateCommandFile(
            m_session.doc, m_session.settings.uploadOption, m_session.prompter, m_session.busy);
        m_session.commandFile = result.path;
        if (!result.produced())
            m_session.prompter.inform("Error in generating the command file.");
    }
    accept();
}

void UploadSetupScreen::reject() {
    m_session.settings = m_saved;
    m_session.ports = m_savedPorts;
    QDialog::reject();
}

} // namespace merix
