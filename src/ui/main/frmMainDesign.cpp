// The window's design as data: one row per control, in the order of the Tab key, with its
// kind, name, container, place in twips and design caption; the caption and screen-reader
// name it takes in each language; and the handler its click or selection runs. Creating,
// connecting and captioning the controls all read the one table.
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <type_traits>

#include "lang/GEN_TEXT.h"
#include "ui/WindowUnits.h"
#include "ui/main/frmMain.h"

namespace {

using GEN_TEXT::Entry;
namespace G = GEN_TEXT;
using WindowUnits::Px;

enum class Type { Frame, Label, KeyLabel, Button, Option, TextBox, UpDown, ComboBox, Output };

// What differs from the window's own font and behaviour.
enum class Look { Plain, SmallWrapped, Wrapped, FrameFont, Link, Heavy };

// A caption by language: the entry as it is, with a colon, or in lower case, then a fixed
// suffix (the calendar's code). Rows without an entry keep their design caption.
enum class Form { Design, Plain, Colon, Lower };
struct Caption {
    Form form = Form::Design;
    const Entry* entry = nullptr;
    const char* suffix = "";
};

// How a screen reader names a control beyond its caption: an input window by its label
// (without the colon), a Clear button by what it clears, a Today button and an up-down by
// the date they set.
enum class Naming { Caption, Plain, Clear, Today, UpDown };
struct Name {
    Naming naming = Naming::Caption;
    const Entry* entry = nullptr;
};

using Binder = void (*)(frmMain&, QWidget*);
using Handler = void (frmMain::*)();

struct Control {
    Type type;
    const char* name;
    const char* parent;       // nullptr: the window itself
    std::array<int, 4> place; // left, top, width, height in twips
    const char* design;
    Binder bind;
    Look look = Look::Plain;
    Caption caption{};
    Name spoken{};
    Handler handler = nullptr; // a button's click, an option button's selection
};

template <class Member> using ControlType = std::remove_pointer_t<std::remove_reference_t<Member>>;

template <auto member> void To(frmMain& window, QWidget* control) {
    window.*member = qobject_cast<ControlType<decltype(window.*member)>*>(control);
}

template <auto member, std::size_t index> void At(frmMain& window, QWidget* control) {
    (window.*member)[index] =
        qobject_cast<ControlType<decltype((window.*member)[index])>*>(control);
}

// The platform's sans at the design's point sizes.
QFont SansFont(double points, bool bold = false) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
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

QLabel* PlainLabel(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Auto-default, so that Enter and Return press a focused button as Space does.
QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(true);
    return button;
}

// An up-down control: the value rests at 0; the upper arrow gives +1 (a day later) and the
// lower arrow -1. A plain vertical scroll bar counts the other way, so every action is
// mirrored before its value is applied.
QScrollBar* UpDown(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
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

QPlainTextEdit* OutputBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9.0);
    box->setFont(fixed);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Editable, but Tab moves on instead of typing; the user's edits can be undone (appends
    // are kept out of the undo history, see AppendToOutputWindow).
    box->setTabChangesFocus(true);
    return box;
}

QWidget* Make(Type type, const QString& text, QWidget* parent) {
    switch (type) {
    case Type::Frame:
        return new QWidget(parent);
    case Type::Label:
        return PlainLabel(new QLabel(text, parent));
    case Type::KeyLabel:
        return PlainLabel(new KeyLabel(text, parent));
    case Type::Button:
        return Button(text, parent);
    case Type::Option:
        return new QRadioButton(text, parent);
    case Type::TextBox:
        return new QLineEdit(parent);
    case Type::UpDown:
        return UpDown(parent);
    case Type::ComboBox:
        return new QComboBox(parent);
    case Type::Output:
        return OutputBox(parent);
    }
    return nullptr;
}

void ApplyLook(QWidget* control, Look look) {
    const QFont frameFont = SansFont(8.25);
    switch (look) {
    case Look::Plain:
        break;
    case Look::SmallWrapped:
        // The intro texts need four lines of the window's font but the label holds three.
        control->setFont(frameFont);
        [[fallthrough]];
    case Look::Wrapped:
        qobject_cast<QLabel*>(control)->setWordWrap(true);
        break;
    case Look::FrameFont:
        control->setFont(frameFont);
        break;
    case Look::Link: {
        QFont linkFont = frameFont;
        linkFont.setUnderline(true);
        control->setFont(linkFont);
        control->setCursor(Qt::PointingHandCursor);
        break;
    }
    case Look::Heavy:
        control->setFont(SansFont(12.0, true));
        break;
    }
}

// The option buttons of one container exclude each other. Qt's automatic exclusion would
// also reach into nested containers (Frame4 holds the thousands-separator buttons and the
// frames of the date-format and date-separator buttons), so each container gets a group.
void Group(QRadioButton* option) {
    QWidget* container = option->parentWidget();
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) group = new QButtonGroup(container);
    group->addButton(option);
}

QString T(const Entry& entry) {
    return QString::fromStdString(GEN_TEXT::Text(entry));
}

QString CaptionText(const Caption& caption) {
    QString text = caption.form == Form::Lower
                       ? QString::fromStdString(GEN_TEXT::LowerCase(GEN_TEXT::Text(*caption.entry)))
                       : T(*caption.entry);
    if (caption.form == Form::Colon) text += QLatin1Char(':');
    return text + QString::fromUtf8(caption.suffix);
}

QString SpokenName(const Name& spoken) {
    QString what = T(*spoken.entry);
    switch (spoken.naming) {
    case Naming::Clear: // "Clear first date", as its caption under "Clear:" says it
        return QString::fromStdString(GEN_TEXT::Text(GEN_TEXT::txtClear) + " " +
                                      GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(*spoken.entry)));
    case Naming::Today:
        return T(GEN_TEXT::txtToday) + QStringLiteral(": ") + what;
    case Naming::UpDown:
        return what + QStringLiteral(" up-down");
    default:
        return what;
    }
}

constexpr Caption Plain(const Entry& entry, const char* suffix = "") {
    return {Form::Plain, &entry, suffix};
}
constexpr Caption Colon(const Entry& entry) {
    return {Form::Colon, &entry, ""};
}
constexpr Name Named(Naming naming, const Entry& entry) {
    return {naming, &entry};
}

} // namespace

struct MainDesign {
    using F = frmMain;
    using L = Look;
    using enum Type;

    // kind, name, container, place, design caption, member, look, caption, spoken name, handler
    // clang-format off
    static constexpr Control controls[]{
        {Label, "lblIntro", nullptr, {120, 105, 8715, 765}, "", To<&F::lblIntro>, L::SmallWrapped},
        {ComboBox, "cboLanguage", nullptr, {8925, 140, 1695, 360}, "", To<&F::cboLanguage>},
        {Button, "cmdHelp", nullptr, {8925, 735, 1590, 270}, "Help", To<&F::cmdHelp>, L::Plain, Plain(G::txtHelp), {}, &F::cmdHelp_Click},
        {Button, "cmdCalendars", nullptr, {8925, 1155, 1590, 270}, "Calendars", To<&F::cmdCalendars>, L::Plain, Plain(G::txtCalendars), {}, &F::cmdCalendars_Click},
        {Button, "cmdCredits", nullptr, {8925, 1575, 1590, 270}, "Credits", To<&F::cmdCredits>, L::Plain, Plain(G::txtCredits), {}, &F::cmdCredits_Click},

        {Frame, "Frame4", nullptr, {105, 945, 8490, 945}, "", To<&F::Frame4>, L::FrameFont},
        {Label, "lblDateFormat", "Frame4", {0, 0, 1920, 255}, "Date format:", To<&F::lblDateFormat>, L::Plain, Colon(G::txtDateFormat)},
        {Frame, "frmDateFormat", "Frame4", {2310, 0, 6105, 330}, "", To<&F::frmDateFormat>},
        // The date-order captions join three entries: see ApplyLanguageCaptions.
        {Option, "optDateFormatIsYMD", "frmDateFormat", {0, 0, 1875, 255}, "year month day", To<&F::optDateFormatIsYMD>, L::Plain, {}, {}, &F::optDateFormatIsYMD_Click},
        {Option, "optDateFormatIsDMY", "frmDateFormat", {1800, 0, 1725, 255}, "day month year", To<&F::optDateFormatIsDMY>, L::Plain, {}, {}, &F::optDateFormatIsDMY_Click},
        {Option, "optDateFormatIsMDY", "frmDateFormat", {3675, 0, 1800, 255}, "month day year", To<&F::optDateFormatIsMDY>, L::Plain, {}, {}, &F::optDateFormatIsMDY_Click},
        {Label, "lblDateSeparator", "Frame4", {0, 315, 2250, 255}, "Date separator:", To<&F::lblDateSeparator>, L::Plain, Colon(G::txtDateSeparator)},
        {Frame, "frmDateSeparator", "Frame4", {2310, 315, 6105, 330}, "", To<&F::frmDateSeparator>},
        {Option, "optSeparatorIsDash", "frmDateSeparator", {0, 0, 1590, 255}, "2000-01-01", To<&F::optSeparatorIsDash>, L::Plain, {}, {}, &F::optSeparatorIsDash_Click},
        {Option, "optSeparatorIsDot", "frmDateSeparator", {1800, 0, 1590, 255}, "2000.01.01", To<&F::optSeparatorIsDot>, L::Plain, {}, {}, &F::optSeparatorIsDot_Click},
        {Option, "optSeparatorIsSlash", "frmDateSeparator", {3675, 0, 1590, 255}, "2000/01/01", To<&F::optSeparatorIsSlash>, L::Plain, {}, {}, &F::optSeparatorIsSlash_Click},
        {Label, "lblThousandsSeparator", "Frame4", {0, 630, 2130, 255}, "Thousands separator:", To<&F::lblThousandsSeparator>, L::Plain, Colon(G::txtThousandsSeparator)},
        {Option, "optThousSepIsComma", "Frame4", {2325, 630, 1455, 255}, "2,000,000", To<&F::optThousSepIsComma>, L::Plain, {}, {}, &F::optThousSepIsComma_Click},
        {Option, "optThousSepIsDot", "Frame4", {4125, 630, 1335, 255}, "2.000.000", To<&F::optThousSepIsDot>, L::Plain, {}, {}, &F::optThousSepIsDot_Click},
        {Option, "optThousSepNone", "Frame4", {5985, 630, 1335, 255}, "none", To<&F::optThousSepNone>, L::Plain, {Form::Lower, &G::txtNone}, {}, &F::optThousSepNone_Click},

        {Frame, "Frame3", nullptr, {105, 1890, 10575, 3465}, "", To<&F::Frame3>, L::FrameFont},
        {Label, "lblFirstDate", "Frame3", {0, 105, 1395, 255}, "First date:", To<&F::lblFirstDate>, L::Plain, Colon(G::txtFirstDate)},
        {Button, "cmdToday(0)", "Frame3", {1575, 105, 855, 255}, "Today", At<&F::cmdToday, 0>, L::Plain, Plain(G::txtToday), Named(Naming::Today, G::txtFirstDate)},
        {Label, "lblDateDifference", "Frame3", {2940, 105, 2310, 255}, "Date difference:", To<&F::lblDateDifference>, L::Plain, Colon(G::txtDateDifference)},
        {Label, "lblSecondDate", "Frame3", {5250, 105, 1530, 255}, "Second date:", To<&F::lblSecondDate>, L::Plain, Colon(G::txtSecondDate)},
        {Button, "cmdToday(1)", "Frame3", {6825, 105, 855, 255}, "Today", At<&F::cmdToday, 1>, L::Plain, Plain(G::txtToday), Named(Naming::Today, G::txtSecondDate)},
        {TextBox, "txbFirstDate", "Frame3", {0, 420, 2450, 360}, "", To<&F::txbFirstDate>, L::Plain, {}, Named(Naming::Plain, G::txtFirstDate)},
        {UpDown, "VScroll(0)", "Frame3", {2520, 420, 225, 360}, "", At<&F::VScroll, 0>, L::Plain, {}, Named(Naming::UpDown, G::txtFirstDate)},
        {TextBox, "txbDateDiffDays", "Frame3", {2940, 420, 1560, 360}, "", To<&F::txbDateDiffDays>, L::Plain, {}, Named(Naming::Plain, G::txtDateDifference)},
        // The day word follows the count in the window: see ApplyLanguageCaptions.
        {Label, "lblDayOrDays", "Frame3", {4545, 495, 630, 255}, "days", To<&F::lblDayOrDays>},
        {TextBox, "txbSecondDate", "Frame3", {5250, 420, 2450, 360}, "", To<&F::txbSecondDate>, L::Plain, {}, Named(Naming::Plain, G::txtSecondDate)},
        {UpDown, "VScroll(1)", "Frame3", {7770, 420, 225, 360}, "", At<&F::VScroll, 1>, L::Plain, {}, Named(Naming::UpDown, G::txtSecondDate)},
        {Button, "cmdMoveSecondDateToFirst", "Frame3", {8190, 420, 2220, 330}, "Second -> First", To<&F::cmdMoveSecondDateToFirst>, L::Plain, Plain(G::txtSecondToFirst), {}, &F::cmdMoveSecondDateToFirst_Click},

        {Frame, "Frame1", "Frame3", {0, 945, 3675, 1770}, "", To<&F::Frame1>},
        {Label, "lblThisIsA(0)", "Frame1", {0, 0, 1860, 255}, "This is a", At<&F::lblThisIsA, 0>, L::Plain, Plain(G::txtThisIsA)},
        {Option, "optFirstDateIsCE", "Frame1", {0, 300, 3225, 255}, "Common Era date", To<&F::optFirstDateIsCE>, L::Plain, Plain(G::txtCommonEraDate, " (CE)"), {}, &F::optFirstDateIsCE_Click},
        {Option, "optFirstDateIsJC", "Frame1", {0, 600, 3510, 255}, "Julian calendar date", To<&F::optFirstDateIsJC>, L::Plain, Plain(G::txtJulianCalendarDate, " (JC)"), {}, &F::optFirstDateIsJC_Click},
        {Option, "optFirstDateIsAN", "Frame1", {0, 900, 3255, 255}, "Annus Novus date", To<&F::optFirstDateIsAN>, L::Plain, Plain(G::txtAnnusNovusDate, " (AN)"), {}, &F::optFirstDateIsAN_Click},
        {Option, "optFirstDateIsJDN", "Frame1", {0, 1200, 3255, 255}, "Julian day number", To<&F::optFirstDateIsJDN>, L::Plain, Plain(G::txtJulianDayNumber, " (JDN)"), {}, &F::optFirstDateIsJDN_Click},
        {Option, "optFirstDateIsDIY", "Frame1", {0, 1500, 3255, 255}, "yyyyddd date", To<&F::optFirstDateIsDIY>, L::Plain, Plain(G::txtYyyydddDate), {}, &F::optFirstDateIsDIY_Click},

        {Label, "lblClear", "Frame3", {4305, 1050, 930, 255}, "Clear", To<&F::lblClear>, L::Plain, Colon(G::txtClear)},
        {Button, "cmdClearFirstDate", "Frame3", {3570, 1365, 2505, 255}, "First date", To<&F::cmdClearFirstDate>, L::Plain, Plain(G::txtFirstDate), Named(Naming::Clear, G::txtFirstDate), &F::cmdClearFirstDate_Click},
        {Button, "cmdClearSecondDate", "Frame3", {3570, 1680, 2505, 255}, "Second date", To<&F::cmdClearSecondDate>, L::Plain, Plain(G::txtSecondDate), Named(Naming::Clear, G::txtSecondDate), &F::cmdClearSecondDate_Click},
        {Button, "cmdClearDateDiffDays", "Frame3", {3570, 1995, 2505, 255}, "Date difference", To<&F::cmdClearDateDiffDays>, L::Plain, Plain(G::txtDateDifference), Named(Naming::Clear, G::txtDateDifference), &F::cmdClearDateDiffDays_Click},
        {Button, "cmdClearInputWindows", "Frame3", {3675, 2310, 2400, 255}, "Input windows", To<&F::cmdClearInputWindows>, L::Plain, Plain(G::txtInputWindows), Named(Naming::Clear, G::txtInputWindows), &F::cmdClearInputWindows_Click},
        {Button, "cmdClearOutputWindow", "Frame3", {3675, 2625, 2400, 255}, "Output window", To<&F::cmdClearOutputWindow>, L::Plain, Plain(G::txtOutputWindow), Named(Naming::Clear, G::txtOutputWindow), &F::cmdClearOutputWindow_Click},

        {Frame, "Frame2", "Frame3", {6510, 945, 4095, 1770}, "", To<&F::Frame2>},
        {Label, "lblThisIsA(1)", "Frame2", {0, 0, 1965, 255}, "This is a", At<&F::lblThisIsA, 1>, L::Plain, Plain(G::txtThisIsA)},
        {Option, "optSecondDateIsCE", "Frame2", {0, 300, 3270, 255}, "Common Era date (CE)", To<&F::optSecondDateIsCE>, L::Plain, Plain(G::txtCommonEraDate, " (CE)"), {}, &F::optSecondDateIsCE_Click},
        {Option, "optSecondDateIsJC", "Frame2", {0, 600, 3375, 255}, "Julian calendar date (JC)", To<&F::optSecondDateIsJC>, L::Plain, Plain(G::txtJulianCalendarDate, " (JC)"), {}, &F::optSecondDateIsJC_Click},
        {Option, "optSecondDateIsAN", "Frame2", {0, 900, 3375, 255}, "Annus Novus date (AN)", To<&F::optSecondDateIsAN>, L::Plain, Plain(G::txtAnnusNovusDate, " (AN)"), {}, &F::optSecondDateIsAN_Click},
        {Option, "optSecondDateIsJDN", "Frame2", {0, 1200, 3465, 255}, "Julian day number (JDN)", To<&F::optSecondDateIsJDN>, L::Plain, Plain(G::txtJulianDayNumber, " (JDN)"), {}, &F::optSecondDateIsJDN_Click},
        {Option, "optSecondDateIsDIY", "Frame2", {0, 1500, 3465, 255}, "yyyyddd date", To<&F::optSecondDateIsDIY>, L::Plain, Plain(G::txtYyyydddDate), {}, &F::optSecondDateIsDIY_Click},

        // The today labels' texts come from the clock: see ShowTodayLabels.
        {KeyLabel, "lblTodaysDate", "Frame3", {65, 2780, 3270, 705}, "Today's date", To<&F::lblTodaysDate>, L::Wrapped},
        {KeyLabel, "lblWeekFromToday", "Frame3", {6575, 2780, 3915, 645}, "A week from today is", To<&F::lblWeekFromToday>, L::Wrapped},
        {Button, "cmdCompute", "Frame3", {8770, 3055, 1680, 330}, "Compute", To<&F::cmdCompute>, L::Heavy, Plain(G::txtCompute), {}, &F::cmdCompute_Click},

        {Frame, "Frame6", nullptr, {105, 5355, 10530, 2745}, "", To<&F::Frame6>, L::FrameFont},
        {Output, "txbOutput", "Frame6", {60, 20, 10410, 1900}, "", To<&F::txbOutput>, L::Plain, {}, Named(Naming::Plain, G::txtOutputWindow)},
        {Label, "lblCopyrightNotice", "Frame6", {45, 1965, 1590, 255}, "Copyright \xC2\xA9", To<&F::lblCopyrightNotice>},
        {KeyLabel, "lblTessaline", "Frame6", {1575, 1965, 1590, 255}, "Tessaline", To<&F::lblTessaline>, L::Link},
        {KeyLabel, "lblOnlineDocumentation", "Frame6", {45, 2205, 2325, 330}, "Online documentation", To<&F::lblOnlineDocumentation>, L::Link, Plain(G::txtOnlineDocumentation)},
        {Button, "cmdCopyToClipboard", "Frame6", {3570, 2050, 4845, 330}, "Copy to clipboard", To<&F::cmdCopyToClipboard>, L::Plain, Plain(G::txtCopyToClipboard), {}, &F::cmdCopyToClipboard_Click},
        {Button, "cmdQuit", "Frame6", {8955, 2050, 1485, 330}, "Quit", To<&F::cmdQuit>, L::Plain, Plain(G::txtQuit), {}, &F::cmdQuit_Click},
    };
    // clang-format on
};

void frmMain::CreateControls() {
    setFont(SansFont(9.75));
    for (const Control& row : MainDesign::controls) {
        QWidget* parent =
            row.parent == nullptr ? this : findChild<QWidget*>(QString::fromLatin1(row.parent));
        QWidget* control = Make(row.type, QString::fromUtf8(row.design), parent);
        control->setObjectName(QString::fromLatin1(row.name));
        const auto [left, top, width, height] = row.place;
        control->setGeometry(Px(left), Px(top), Px(width), Px(height));
        ApplyLook(control, row.look);
        if (row.type == Type::Option) Group(qobject_cast<QRadioButton*>(control));
        row.bind(*this, control);
    }
    // Screen readers name each input window by its label (see NameForScreenReaders).
    lblFirstDate->setBuddy(txbFirstDate);
    lblDateDifference->setBuddy(txbDateDiffDays);
    lblSecondDate->setBuddy(txbSecondDate);
    Clock = new QTimer(this);
    Clock->setObjectName(QStringLiteral("Clock"));
}

// A button runs its handler on a click; an option button when it becomes the selected one
// of its group.
void frmMain::ConnectDesignedHandlers() {
    for (const Control& row : MainDesign::controls) {
        if (row.handler == nullptr) continue;
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(row.name));
        if (row.type == Type::Button) {
            connect(button, &QAbstractButton::clicked, this, row.handler);
            continue;
        }
        connect(button, &QAbstractButton::toggled, this,
                [this, handler = row.handler](bool selected) {
                    if (selected) (this->*handler)();
                });
    }
}

void frmMain::CaptionControls() {
    for (const Control& row : MainDesign::controls) {
        if (row.caption.form == Form::Design && row.spoken.naming == Naming::Caption) continue;
        auto* control = findChild<QWidget*>(QString::fromLatin1(row.name));
        if (row.caption.form != Form::Design) {
            const QString text = CaptionText(row.caption);
            if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(text);
            else
                qobject_cast<QAbstractButton*>(control)->setText(text);
        }
        if (row.spoken.naming != Naming::Caption)
            control->setAccessibleName(SpokenName(row.spoken));
    }
}
