// The window as a frame: its colours, its handlers' wiring, the keys of its labels, the start-up
// sequence, quitting, and the small operations every other part of the window uses.
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "ui/AccessibleControls.h"
#include "ui/WindowUnits.h"
#include "ui/info/InfoWindows.h"

namespace {

using WindowUnits::Px;

constexpr int clientWidthTwips = 10740;
constexpr int clientHeightTwips = 7830;

// The keys that click a focused label: Space, Enter and Return as the left button, the
// context-menu key and Shift+F10 as the right one.
Qt::MouseButton ClickOfKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier ? Qt::LeftButton : Qt::NoButton;
    case Qt::Key_Menu:
        return Qt::RightButton;
    case Qt::Key_F10:
        return modifiers == Qt::ShiftModifier ? Qt::RightButton : Qt::NoButton;
    default:
        return Qt::NoButton;
    }
}

} // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Px(clientWidthTwips), Px(clientHeightTwips));
    CreateControls();
    DescribeForScreenReaders();
    ConnectHandlers();
}

frmMain::~frmMain() = default;

void frmMain::ConnectHandlers() {
    ConnectDesignedHandlers();
    connect(cboLanguage, &QComboBox::activated, this, &frmMain::cboLanguage_Click);
    // The box hands the focus to the output window: a screen reader would not say what the
    // arrow key just chose.
    connect(cboLanguage, &QComboBox::activated, this,
            [this] { notifier->Say(cboLanguage->currentText()); });
    connect(Clock, &QTimer::timeout, this, &frmMain::Clock_Timer);

    connect(cmdToday[0], &QPushButton::clicked, this, [this] { cmdToday_Click(0); });
    connect(cmdToday[1], &QPushButton::clicked, this, [this] { cmdToday_Click(1); });
    connect(VScroll[0], &QScrollBar::valueChanged, this, [this] { VScroll_Change(0); });
    connect(VScroll[1], &QScrollBar::valueChanged, this, [this] { VScroll_Change(1); });

    for (QLineEdit* window : {txbFirstDate, txbSecondDate, txbDateDiffDays})
        window->installEventFilter(this);
    for (QLabel* label : {lblTodaysDate, lblWeekFromToday, lblTessaline, lblOnlineDocumentation})
        label->installEventFilter(this);
    txbOutput->installEventFilter(this);
    txbOutput->viewport()->installEventFilter(this);

    InfoWindows::SetOnClose([this] { FocusDateWindow(1); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        if (watched == txbFirstDate || watched == txbSecondDate || watched == txbDateDiffDays)
            return DateWindowKeyPress(static_cast<QLineEdit*>(watched), event);
        if (event->type() == QEvent::KeyPress && watched == txbOutput) {
            // Ctrl+Tab leaves the output window as Tab does, instead of typing a tab.
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            if (tab && key->modifiers().testFlag(Qt::ControlModifier))
                return focusNextPrevChild(key->key() == Qt::Key_Tab &&
                                          !key->modifiers().testFlag(Qt::ShiftModifier));
        } else if (event->type() == QEvent::KeyPress) {
            const Qt::MouseButton button = ClickOfKey(*static_cast<QKeyEvent*>(event));
            if (button != Qt::NoButton && LabelClick(watched, button)) return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (watched == txbOutput->viewport())
            txbOutput_MouseUp(button);
        else
            LabelClick(watched, button);
        break;
    }
    case QEvent::FocusOut:
        if (watched == txbOutput) txbOutput_LostFocus();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Today's labels change their calendar on either button; the links open on the left one.
bool frmMain::LabelClick(QObject* label, Qt::MouseButton button) {
    if (label == lblTodaysDate || label == lblWeekFromToday) {
        if (label == lblTodaysDate)
            lblTodaysDate_MouseUp(button);
        else
            lblWeekFromToday_MouseUp(button);
        // A screen reader does not tell a label's new text: the calendar just chosen.
        notifier->Say(static_cast<QLabel*>(label)->text());
    } else if (label == lblTessaline && button == Qt::LeftButton)
        lblTessaline_Click();
    else if (label == lblOnlineDocumentation && button == Qt::LeftButton)
        lblOnlineDocumentation_Click();
    else
        return false;
    return true;
}

void frmMain::SetWindowColours() {
    // One palette on the window: the frames, labels and option buttons draw on its cyan
    // background and inherit its black text, while buttons, text boxes and the combo box
    // use other colour roles and so keep the system's colours.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 255));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    setPalette(palette);
    setAutoFillBackground(true);
    // The option buttons draw their round indicator in the Base and Text roles: pinned to
    // white and black, the selected one stays plain to see on the cyan under a dark desktop
    // palette too, as it is under a light one.
    QPalette options = palette;
    options.setColor(QPalette::Base, QColor(255, 255, 255));
    options.setColor(QPalette::Text, QColor(0, 0, 0));
    for (QRadioButton* option : findChildren<QRadioButton*>())
        option->setPalette(options);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblTessaline->setPalette(palette);
    lblOnlineDocumentation->setPalette(palette);
}

void frmMain::Form_Load() {
    titleText = QStringLiteral("Orvandel");
    versionText = QStringLiteral(ORV_VERSION);
    setWindowTitle(titleText + QLatin1Char(' ') + versionText);
    GEN_TEXT::InitMessages();
    InitialiseWindowState();
    SetWindowColours();
    UpdateCopyButton();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();

    SetDefaultSettings();
    FillLanguageBox();
    SetLanguageBoxPosition(FindLanguagePosition(GEN_TEXT::currentLanguage));
    WindowTexts::FillIntroTexts();
    ApplyLanguageCaptions();
    cmdCopyToClipboard->setEnabled(true);
    FocusDateWindow(1);

    LoadSettings();
    if (GEN_TEXT::currentLanguage != GEN_TEXT::langEnglish) {
        // The box was filled in English before the saved language was known; refill it so
        // that its entries read in the language now in force.
        FillLanguageBox();
        SetLanguageBoxPosition(FindLanguagePosition(GEN_TEXT::currentLanguage));
        WindowTexts::FillIntroTexts();
        ApplyLanguageCaptions();
        // The today labels were drawn in English by the default settings; without this
        // they would stay so until the first clock tick.
        ShowTodayLabels();
    }
    WindowTexts::LoadSpecialDayTexts();
    WindowTexts::LoadComputeErrorTexts();
    Clock->setInterval(1000);
    Clock->start();
    ShowSpecialDay();
    FocusDateWindow(1);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!quitting) Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

void frmMain::cmdQuit_Click() {
    if (quitting) return;
    quitting = true;
    Clock->stop();
    SaveSettings();
    // Every window of the program closes with the main window; the last one to close ends
    // the event loop.
    QApplication::closeAllWindows();
}

DatePr2::DateOrder frmMain::SelectedDateOrder() const {
    if (optDateFormatIsYMD->isChecked()) return DatePr2::DateOrder::YMD;
    if (optDateFormatIsDMY->isChecked()) return DatePr2::DateOrder::DMY;
    return DatePr2::DateOrder::MDY;
}

DatePr2::Kind frmMain::CalendarOfDate(int which) const {
    const bool first = which == 1;
    if ((first ? optFirstDateIsJC : optSecondDateIsJC)->isChecked()) return DatePr2::Kind::JC;
    if ((first ? optFirstDateIsAN : optSecondDateIsAN)->isChecked()) return DatePr2::Kind::AN;
    if ((first ? optFirstDateIsJDN : optSecondDateIsJDN)->isChecked()) return DatePr2::Kind::JDN;
    if ((first ? optFirstDateIsDIY : optSecondDateIsDIY)->isChecked())
        return DatePr2::Kind::YYYYDDD;
    return DatePr2::Kind::CE;
}

QLineEdit* frmMain::DateWindow(int which) const {
    if (which == 1) return txbFirstDate;
    if (which == 2) return txbSecondDate;
    return nullptr;
}

void frmMain::FocusDateWindow(int which) {
    QLineEdit* window = DateWindow(which);
    if (window == nullptr) return;
    window->setFocus(Qt::OtherFocusReason);
    window->setCursorPosition(static_cast<int>(window->text().size()));
}

DateWindowOps::Format frmMain::CurrentFormat() const {
    return {SelectedDateOrder(), dateSeparator, thousandsSeparator};
}

void frmMain::ShowMessage(int message) {
    if (MessageBoxes::Presenter* boxes = MessageBoxes::CurrentPresenter())
        boxes->Inform(WindowTexts::ComputeErrorTitle(),
                      WindowTexts::ComputeErrorInCurrentLanguage(message));
}
