// The window as a frame: its controls and their places, colours and fonts, the start-up
// sequence, quitting, and the small operations every other part of the window uses.
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
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

// The platform's sans at the design's point sizes.
QFont SansFont(double points, bool bold = false) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template <class T>
T* Place(T* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(Px(left), Px(top), Px(width), Px(height));
    return control;
}

QWidget* Frame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return Place(new QWidget(parent), name, left, top, width, height);
}

// Auto-default, so that Enter and Return press a focused button as Space does.
QPushButton* Button(QWidget* parent, const char* name, const char* text, int left, int top,
                    int width, int height) {
    auto* button =
        Place(new QPushButton(QString::fromUtf8(text), parent), name, left, top, width, height);
    button->setAutoDefault(true);
    return button;
}

QRadioButton* Option(QWidget* parent, const char* name, const char* text, int left, int top,
                     int width, int height) {
    return Place(new QRadioButton(QString::fromUtf8(text), parent), name, left, top, width, height);
}

// The option buttons of one container exclude each other. Qt's automatic exclusion would
// also reach into nested containers (Frame4 holds the thousands-separator buttons and the
// frames of the date-format and date-separator buttons), so each container gets a group.
void Group(QWidget* container, std::initializer_list<QRadioButton*> options) {
    auto* group = new QButtonGroup(container);
    for (QRadioButton* option : options)
        group->addButton(option);
}

// A label that acts like a button (today's labels, the two links): reached with Tab, never
// by a click, so a click leaves the focus where it was; a dotted frame shows the focus.
class KeyLabel final : public QLabel {
  public:
    explicit KeyLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        // In the text's colour, plain on the cyan whatever the style draws.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

template <class Kind = QLabel>
QLabel* Label(QWidget* parent, const char* name, const char* text, int left, int top, int width,
              int height) {
    QLabel* label =
        Place(new Kind(QString::fromUtf8(text), parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* TextBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    return Place(new QLineEdit(parent), name, left, top, width, height);
}

// An up-down control: the value rests at 0; the upper arrow gives +1 (a day later) and the
// lower arrow -1. A plain vertical scroll bar counts the other way, so every action is
// mirrored before its value is applied.
QScrollBar* UpDown(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* bar = Place(new QScrollBar(Qt::Vertical, parent), name, left, top, width, height);
    bar->setRange(-1, 1);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        if (action != QAbstractSlider::SliderNoAction)
            bar->setSliderPosition(-bar->sliderPosition());
    });
    return bar;
}

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
    setFont(SansFont(9.75));
    CreateControls();
    DescribeForScreenReaders();
    ConnectHandlers();
}

frmMain::~frmMain() = default;

void frmMain::CreateControls() {
    lblIntro = Label(this, "lblIntro", "", 120, 105, 8715, 765);
    lblIntro->setWordWrap(true);
    // The intro texts need four lines of the window's font but the label holds three.
    lblIntro->setFont(SansFont(8.25));
    cboLanguage = Place(new QComboBox(this), "cboLanguage", 8925, 140, 1695, 360);
    cmdHelp = Button(this, "cmdHelp", "Help", 8925, 735, 1590, 270);
    cmdCalendars = Button(this, "cmdCalendars", "Calendars", 8925, 1155, 1590, 270);
    cmdCredits = Button(this, "cmdCredits", "Credits", 8925, 1575, 1590, 270);
    Clock = new QTimer(this);
    Clock->setObjectName(QStringLiteral("Clock"));

    const QFont frameFont = SansFont(8.25);

    Frame4 = Frame(this, "Frame4", 105, 945, 8490, 945);
    Frame4->setFont(frameFont);
    lblDateFormat = Label(Frame4, "lblDateFormat", "Date format:", 0, 0, 1920, 255);
    frmDateFormat = Frame(Frame4, "frmDateFormat", 2310, 0, 6105, 330);
    optDateFormatIsYMD =
        Option(frmDateFormat, "optDateFormatIsYMD", "year month day", 0, 0, 1875, 255);
    optDateFormatIsDMY =
        Option(frmDateFormat, "optDateFormatIsDMY", "day month year", 1800, 0, 1725, 255);
    optDateFormatIsMDY =
        Option(frmDateFormat, "optDateFormatIsMDY", "month day year", 3675, 0, 1800, 255);
    lblDateSeparator = Label(Frame4, "lblDateSeparator", "Date separator:", 0, 315, 2250, 255);
    frmDateSeparator = Frame(Frame4, "frmDateSeparator", 2310, 315, 6105, 330);
    optSeparatorIsDash =
        Option(frmDateSeparator, "optSeparatorIsDash", "2000-01-01", 0, 0, 1590, 255);
    optSeparatorIsDot =
        Option(frmDateSeparator, "optSeparatorIsDot", "2000.01.01", 1800, 0, 1590, 255);
    optSeparatorIsSlash =
        Option(frmDateSeparator, "optSeparatorIsSlash", "2000/01/01", 3675, 0, 1590, 255);
    lblThousandsSeparator =
        Label(Frame4, "lblThousandsSeparator", "Thousands separator:", 0, 630, 2130, 255);
    optThousSepIsComma = Option(Frame4, "optThousSepIsComma", "2,000,000", 2325, 630, 1455, 255);
    optThousSepIsDot = Option(Frame4, "optThousSepIsDot", "2.000.000", 4125, 630, 1335, 255);
    optThousSepNone = Option(Frame4, "optThousSepNone", "none", 5985, 630, 1335, 255);

    Frame3 = Frame(this, "Frame3", 105, 1890, 10575, 3465);
    Frame3->setFont(frameFont);
    lblFirstDate = Label(Frame3, "lblFirstDate", "First date:", 0, 105, 1395, 255);
    cmdToday[0] = Button(Frame3, "cmdToday(0)", "Today", 1575, 105, 855, 255);
    lblDateDifference =
        Label(Frame3, "lblDateDifference", "Date difference:", 2940, 105, 2310, 255);
    lblSecondDate = Label(Frame3, "lblSecondDate", "Second date:", 5250, 105, 1530, 255);
    cmdToday[1] = Button(Frame3, "cmdToday(1)", "Today", 6825, 105, 855, 255);
    txbFirstDate = TextBox(Frame3, "txbFirstDate", 0, 420, 2450, 360);
    VScroll[0] = UpDown(Frame3, "VScroll(0)", 2520, 420, 225, 360);
    txbDateDiffDays = TextBox(Frame3, "txbDateDiffDays", 2940, 420, 1560, 360);
    lblDayOrDays = Label(Frame3, "lblDayOrDays", "days", 4545, 495, 630, 255);
    txbSecondDate = TextBox(Frame3, "txbSecondDate", 5250, 420, 2450, 360);
    VScroll[1] = UpDown(Frame3, "VScroll(1)", 7770, 420, 225, 360);
    // Screen readers name each input window by its label (see ApplyLanguageCaptions).
    lblFirstDate->setBuddy(txbFirstDate);
    lblDateDifference->setBuddy(txbDateDiffDays);
    lblSecondDate->setBuddy(txbSecondDate);
    cmdMoveSecondDateToFirst =
        Button(Frame3, "cmdMoveSecondDateToFirst", "Second -> First", 8190, 420, 2220, 330);

    Frame1 = Frame(Frame3, "Frame1", 0, 945, 3675, 1770);
    lblThisIsA[0] = Label(Frame1, "lblThisIsA(0)", "This is a", 0, 0, 1860, 255);
    optFirstDateIsCE = Option(Frame1, "optFirstDateIsCE", "Common Era date", 0, 300, 3225, 255);
    optFirstDateIsJC =
        Option(Frame1, "optFirstDateIsJC", "Julian calendar date", 0, 600, 3510, 255);
    optFirstDateIsAN = Option(Frame1, "optFirstDateIsAN", "Annus Novus date", 0, 900, 3255, 255);
    optFirstDateIsJDN =
        Option(Frame1, "optFirstDateIsJDN", "Julian day number", 0, 1200, 3255, 255);
    optFirstDateIsDIY = Option(Frame1, "optFirstDateIsDIY", "yyyyddd date", 0, 1500, 3255, 255);

    lblClear = Label(Frame3, "lblClear", "Clear", 4305, 1050, 930, 255);
    cmdClearFirstDate = Button(Frame3, "cmdClearFirstDate", "First date", 3570, 1365, 2505, 255);
    cmdClearSecondDate = Button(Frame3, "cmdClearSecondDate", "Second date", 3570, 1680, 2505, 255);
    cmdClearDateDiffDays =
        Button(Frame3, "cmdClearDateDiffDays", "Date difference", 3570, 1995, 2505, 255);
    cmdClearInputWindows =
        Button(Frame3, "cmdClearInputWindows", "Input windows", 3675, 2310, 2400, 255);
    cmdClearOutputWindow =
        Button(Frame3, "cmdClearOutputWindow", "Output window", 3675, 2625, 2400, 255);

    Frame2 = Frame(Frame3, "Frame2", 6510, 945, 4095, 1770);
    lblThisIsA[1] = Label(Frame2, "lblThisIsA(1)", "This is a", 0, 0, 1965, 255);
    optSecondDateIsCE =
        Option(Frame2, "optSecondDateIsCE", "Common Era date (CE)", 0, 300, 3270, 255);
    optSecondDateIsJC =
        Option(Frame2, "optSecondDateIsJC", "Julian calendar date (JC)", 0, 600, 3375, 255);
    optSecondDateIsAN =
        Option(Frame2, "optSecondDateIsAN", "Annus Novus date (AN)", 0, 900, 3375, 255);
    optSecondDateIsJDN =
        Option(Frame2, "optSecondDateIsJDN", "Julian day number (JDN)", 0, 1200, 3465, 255);
    optSecondDateIsDIY = Option(Frame2, "optSecondDateIsDIY", "yyyyddd date", 0, 1500, 3465, 255);

    lblTodaysDate = Label<KeyLabel>(Frame3, "lblTodaysDate", "Today's date", 65, 2780, 3270, 705);
    lblTodaysDate->setWordWrap(true);
    lblWeekFromToday =
        Label<KeyLabel>(Frame3, "lblWeekFromToday", "A week from today is", 6575, 2780, 3915, 645);
    lblWeekFromToday->setWordWrap(true);
    cmdCompute = Button(Frame3, "cmdCompute", "Compute", 8770, 3055, 1680, 330);
    cmdCompute->setFont(SansFont(12.0, true));

    Frame6 = Frame(this, "Frame6", 105, 5355, 10530, 2745);
    Frame6->setFont(frameFont);
    txbOutput = Place(new QPlainTextEdit(Frame6), "txbOutput", 60, 20, 10410, 1900);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9.0);
    txbOutput->setFont(fixed);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Editable, but Tab moves on instead of typing; the user's edits can be undone (appends
    // are kept out of the undo history, see AppendToOutputWindow).
    txbOutput->setTabChangesFocus(true);
    lblCopyrightNotice =
        Label(Frame6, "lblCopyrightNotice", "Copyright \xC2\xA9", 45, 1965, 1590, 255);
    lblTessaline = Label<KeyLabel>(Frame6, "lblTessaline", "Tessaline", 1575, 1965, 1590, 255);
    lblOnlineDocumentation = Label<KeyLabel>(Frame6, "lblOnlineDocumentation",
                                             "Online documentation", 45, 2205, 2325, 330);
    QFont linkFont = frameFont;
    linkFont.setUnderline(true);
    lblTessaline->setFont(linkFont);
    lblOnlineDocumentation->setFont(linkFont);
    lblTessaline->setCursor(Qt::PointingHandCursor);
    lblOnlineDocumentation->setCursor(Qt::PointingHandCursor);
    cmdCopyToClipboard =
        Button(Frame6, "cmdCopyToClipboard", "Copy to clipboard", 3570, 2050, 4845, 330);
    cmdQuit = Button(Frame6, "cmdQuit", "Quit", 8955, 2050, 1485, 330);

    Group(frmDateFormat, {optDateFormatIsYMD, optDateFormatIsDMY, optDateFormatIsMDY});
    Group(frmDateSeparator, {optSeparatorIsDash, optSeparatorIsDot, optSeparatorIsSlash});
    Group(Frame4, {optThousSepIsComma, optThousSepIsDot, optThousSepNone});
    Group(Frame1, {optFirstDateIsCE, optFirstDateIsJC, optFirstDateIsAN, optFirstDateIsJDN,
                   optFirstDateIsDIY});
    Group(Frame2, {optSecondDateIsCE, optSecondDateIsJC, optSecondDateIsAN, optSecondDateIsJDN,
                   optSecondDateIsDIY});
}

void frmMain::ConnectHandlers() {
    // Each option button runs its handler when it becomes the selected one of its group.
    struct Selection {
        QRadioButton* frmMain::*option;
        void (frmMain::*handler)();
    };
    static constexpr std::array selections{
        Selection{&frmMain::optDateFormatIsYMD, &frmMain::optDateFormatIsYMD_Click},
        Selection{&frmMain::optDateFormatIsDMY, &frmMain::optDateFormatIsDMY_Click},
        Selection{&frmMain::optDateFormatIsMDY, &frmMain::optDateFormatIsMDY_Click},
        Selection{&frmMain::optSeparatorIsDash, &frmMain::optSeparatorIsDash_Click},
        Selection{&frmMain::optSeparatorIsSlash, &frmMain::optSeparatorIsSlash_Click},
        Selection{&frmMain::optSeparatorIsDot, &frmMain::optSeparatorIsDot_Click},
        Selection{&frmMain::optThousSepIsComma, &frmMain::optThousSepIsComma_Click},
        Selection{&frmMain::optThousSepIsDot, &frmMain::optThousSepIsDot_Click},
        Selection{&frmMain::optThousSepNone, &frmMain::optThousSepNone_Click},
        Selection{&frmMain::optFirstDateIsCE, &frmMain::optFirstDateIsCE_Click},
        Selection{&frmMain::optFirstDateIsJC, &frmMain::optFirstDateIsJC_Click},
        Selection{&frmMain::optFirstDateIsAN, &frmMain::optFirstDateIsAN_Click},
        Selection{&frmMain::optFirstDateIsJDN, &frmMain::optFirstDateIsJDN_Click},
        Selection{&frmMain::optFirstDateIsDIY, &frmMain::optFirstDateIsDIY_Click},
        Selection{&frmMain::optSecondDateIsCE, &frmMain::optSecondDateIsCE_Click},
        Selection{&frmMain::optSecondDateIsJC, &frmMain::optSecondDateIsJC_Click},
        Selection{&frmMain::optSecondDateIsAN, &frmMain::optSecondDateIsAN_Click},
        Selection{&frmMain::optSecondDateIsJDN, &frmMain::optSecondDateIsJDN_Click},
        Selection{&frmMain::optSecondDateIsDIY, &frmMain::optSecondDateIsDIY_Click},
    };
    for (const Selection& selection : selections) {
        connect(this->*selection.option, &QAbstractButton::toggled, this,
                [this, handler = selection.handler](bool selected) {
                    if (selected) (this->*handler)();
                });
    }

    connect(cboLanguage, &QComboBox::activated, this, &frmMain::cboLanguage_Click);
    // The box hands the focus to the output window: a screen reader would not say what the
    // arrow key just chose.
    connect(cboLanguage, &QComboBox::activated, this,
            [this] { notifier->Say(cboLanguage->currentText()); });
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdCalendars, &QPushButton::clicked, this, &frmMain::cmdCalendars_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmMain::cmdCredits_Click);
    connect(Clock, &QTimer::timeout, this, &frmMain::Clock_Timer);

    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(cmdToday[0], &QPushButton::clicked, this, [this] { cmdToday_Click(0); });
    connect(cmdToday[1], &QPushButton::clicked, this, [this] { cmdToday_Click(1); });
    connect(cmdClearFirstDate, &QPushButton::clicked, this, &frmMain::cmdClearFirstDate_Click);
    connect(cmdClearSecondDate, &QPushButton::clicked, this, &frmMain::cmdClearSecondDate_Click);
    connect(cmdClearDateDiffDays, &QPushButton::clicked, this,
            &frmMain::cmdClearDateDiffDays_Click);
    connect(cmdClearInputWindows, &QPushButton::clicked, this,
            &frmMain::cmdClearInputWindows_Click);
    connect(cmdMoveSecondDateToFirst, &QPushButton::clicked, this,
            &frmMain::cmdMoveSecondDateToFirst_Click);
    connect(VScroll[0], &QScrollBar::valueChanged, this, [this] { VScroll_Change(0); });
    connect(VScroll[1], &QScrollBar::valueChanged, this, [this] { VScroll_Change(1); });
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmMain::cmdCopyToClipboard_Click);
    connect(cmdClearOutputWindow, &QPushButton::clicked, this,
            &frmMain::cmdClearOutputWindow_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);

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
