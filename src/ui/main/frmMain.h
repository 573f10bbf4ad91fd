// frmMain: the program's one working window. It owns every setting and every text the user
// sees; the work itself is done by the Qt-free routines of Compute, DateWindowOps,
// WindowTexts and SettingsFile, which the handlers here call with what they read from the
// controls and whose results they write back.
//
// The window is split by concern: frmMainDesign.cpp (the controls as a table), frmMain.cpp
// (colours, start-up, quit),
// frmMainSettings.cpp (settings buttons, calendar buttons, the settings file),
// frmMainCompute.cpp (Compute and the input aids), frmMainOutput.cpp (output window and
// clipboard), frmMainToday.cpp (today labels, clock, Today buttons) and frmMainLanguage.cpp
// (texts by language, special days, links, information windows).
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "app/DateWindowOps.h"
#include "app/MessageBoxes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
namespace AccessibleControls {
class Notifier;
}

class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence; shows the window on the way.
    void Form_Load();

    // Where the settings file lives (the folder is created when it is written).
    static QString SettingsPath();

    DatePr2::DateOrder SelectedDateOrder() const;
    DatePr2::Kind CalendarOfDate(int which) const;
    void FocusDateWindow(int which);
    void AppendToOutputWindow(const std::string& text);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // frmMain.cpp
    void ConnectHandlers();
    void SetWindowColours();
    void Form_Unload();
    void cmdQuit_Click();
    DateWindowOps::Format CurrentFormat() const;
    void ShowMessage(int message);
    QLineEdit* DateWindow(int which) const;
    bool LabelClick(QObject* label, Qt::MouseButton button);

    // frmMainDesign.cpp
    friend struct MainDesign;
    void CreateControls();
    void ConnectDesignedHandlers();
    void CaptionControls();

    // frmMainSettings.cpp
    void InitialiseWindowState();
    void SetDefaultSettings();
    void LoadSettings();
    void SaveSettings();
    void DateOrderSelected(DatePr2::DateOrder order);
    void DateSeparatorSelected(const char* separator);
    void ThousandsSeparatorSelected(const char* separator);
    void optDateFormatIsYMD_Click();
    void optDateFormatIsDMY_Click();
    void optDateFormatIsMDY_Click();
    void optSeparatorIsDash_Click();
    void optSeparatorIsSlash_Click();
    void optSeparatorIsDot_Click();
    void optThousSepIsComma_Click();
    void optThousSepIsDot_Click();
    void optThousSepNone_Click();
    void CalendarSelected(int which, DatePr2::Kind kind);
    void optFirstDateIsCE_Click();
    void optFirstDateIsJC_Click();
    void optFirstDateIsAN_Click();
    void optFirstDateIsJDN_Click();
    void optFirstDateIsDIY_Click();
    void optSecondDateIsCE_Click();
    void optSecondDateIsJC_Click();
    void optSecondDateIsAN_Click();
    void optSecondDateIsJDN_Click();
    void optSecondDateIsDIY_Click();

    // frmMainCompute.cpp
    void cmdCompute_Click();
    void AnnounceResult(const std::string& text);
    bool DateWindowKeyPress(QLineEdit* window, QEvent* event);
    void cmdClearFirstDate_Click();
    void cmdClearSecondDate_Click();
    void cmdClearDateDiffDays_Click();
    void cmdClearInputWindows_Click();
    void cmdMoveSecondDateToFirst_Click();
    void VScroll_Change(int index);

    // frmMainAccessible.cpp
    void DescribeForScreenReaders();
    void NameForScreenReaders();
    void TellClearedWindow(const QLineEdit* window);

    // frmMainOutput.cpp
    void UpdateCopyButton();
    void cmdCopyToClipboard_Click();
    void cmdClearOutputWindow_Click();
    void txbOutput_MouseUp(Qt::MouseButton button);
    void txbOutput_LostFocus();
    void PlaceOutputCaret(int position);
    QString OutputSelectedText() const;
    QString OutputText() const;

    // frmMainToday.cpp
    void ShowTodayLabels();
    void lblTodaysDate_MouseUp(Qt::MouseButton button);
    void lblWeekFromToday_MouseUp(Qt::MouseButton button);
    void Clock_Timer();
    void cmdToday_Click(int index);

    // frmMainLanguage.cpp
    void FillLanguageBox();
    int16_t FindLanguagePosition(int16_t language) const;
    void SetLanguageBoxPosition(int position);
    void ApplyLanguageCaptions();
    void cboLanguage_Click();
    QString DayWordOfDifferenceWindow() const;
    void ShowSpecialDay();
    void lblTessaline_Click();
    void lblOnlineDocumentation_Click();
    void cmdHelp_Click();
    void cmdCalendars_Click();
    void cmdCredits_Click();

    // Controls, named as in the window's design.
    QLabel* lblIntro = nullptr;
    QComboBox* cboLanguage = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdCalendars = nullptr;
    QPushButton* cmdCredits = nullptr;
    QTimer* Clock = nullptr;

    QWidget* Frame4 = nullptr;
    QLabel* lblDateFormat = nullptr;
    QWidget* frmDateFormat = nullptr;
    QRadioButton* optDateFormatIsYMD = nullptr;
    QRadioButton* optDateFormatIsDMY = nullptr;
    QRadioButton* optDateFormatIsMDY = nullptr;
    QLabel* lblDateSeparator = nullptr;
    QWidget* frmDateSeparator = nullptr;
    QRadioButton* optSeparatorIsDash = nullptr;
    QRadioButton* optSeparatorIsDot = nullptr;
    QRadioButton* optSeparatorIsSlash = nullptr;
    QLabel* lblThousandsSeparator = nullptr;
    QRadioButton* optThousSepIsComma = nullptr;
    QRadioButton* optThousSepIsDot = nullptr;
    QRadioButton* optThousSepNone = nullptr;

    QWidget* Frame3 = nullptr;
    QLabel* lblFirstDate = nullptr;
    std::array<QPushButton*, 2> cmdToday{};
    QLabel* lblDateDifference = nullptr;
    QLabel* lblSecondDate = nullptr;
    QLineEdit* txbFirstDate = nullptr;
    std::array<QScrollBar*, 2> VScroll{};
    QLineEdit* txbDateDiffDays = nullptr;
    QLabel* lblDayOrDays = nullptr;
    QLineEdit* txbSecondDate = nullptr;
    QPushButton* cmdMoveSecondDateToFirst = nullptr;
    QWidget* Frame1 = nullptr;
    std::array<QLabel*, 2> lblThisIsA{};
    QRadioButton* optFirstDateIsCE = nullptr;
    QRadioButton* optFirstDateIsJC = nullptr;
    QRadioButton* optFirstDateIsAN = nullptr;
    QRadioButton* optFirstDateIsJDN = nullptr;
    QRadioButton* optFirstDateIsDIY = nullptr;
    QLabel* lblClear = nullptr;
    QPushButton* cmdClearFirstDate = nullptr;
    QPushButton* cmdClearSecondDate = nullptr;
    QPushButton* cmdClearDateDiffDays = nullptr;
    QPushButton* cmdClearInputWindows = nullptr;
    QPushButton* cmdClearOutputWindow = nullptr;
    QWidget* Frame2 = nullptr;
    QRadioButton* optSecondDateIsCE = nullptr;
    QRadioButton* optSecondDateIsJC = nullptr;
    QRadioButton* optSecondDateIsAN = nullptr;
    QRadioButton* optSecondDateIsJDN = nullptr;
    QRadioButton* optSecondDateIsDIY = nullptr;
    QLabel* lblTodaysDate = nullptr;
    QLabel* lblWeekFromToday = nullptr;
    QPushButton* cmdCompute = nullptr;

    QWidget* Frame6 = nullptr;
    QPlainTextEdit* txbOutput = nullptr;
    QLabel* lblCopyrightNotice = nullptr;
    QLabel* lblTessaline = nullptr;
    QLabel* lblOnlineDocumentation = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdQuit = nullptr;
    AccessibleControls::Notifier* notifier = nullptr;

    // Form variables.
    QString titleText; // the product name (QWidget has windowTitle())
    QString versionText;
    QString settingsPath;
    DatePr2::Kind TodayKind = DatePr2::Kind::CE;
    DatePr2::Kind lastFirstKind = DatePr2::Kind::CE;
    DatePr2::Kind lastSecondKind = DatePr2::Kind::CE;
    std::string dateSeparator = "-";      // "-", "/" or "."
    std::string thousandsSeparator = ","; // ",", "." or "" for none
    int16_t maximumInputLength = 18;
    bool quitting = false;
};
