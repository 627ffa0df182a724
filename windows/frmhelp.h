// The help window: an introduction, one page for each game type reached by
// "< Back" / "Next >" or from a contents list, and, when the options dialog's
// Help opens it, a panel that explains each area of that dialog. It is always
// shown modally; it pauses a running game while it is open.
#pragma once

#include <QHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "windows/forms/forms.h"

namespace pelloric::win {

// A read-only multi-line text box with a vertical scroll bar. Text() is the
// text exactly as set, line ends included; the box shows it line by line.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name);
    QString Text() const { return text_; }
    void SetText(const QString& text);
    // Shows the text in font, made smaller as far as needed for its widest
    // line to fit the box beside the scroll bar, so that the box breaks none
    // of the lines that the text lays out.
    void FitLinesToWidth(const QFont& font);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void Fit();
    QString text_;
    std::optional<QFont> fitFrom_;
};

class frmHelp : public forms::Form {
    Q_OBJECT
public:
    frmHelp();

    void Form_Load() override;
    void Form_Unload() override;
    void frmHelp_cmdBack_Click();
    void frmHelp_cmdNext_Click();
    void frmHelp_Command1_Click();
    void frmHelp_Command2_Click();
    void frmHelp_lblcontents_Click(int16_t Index);
    void frmHelp_lblcontents_MouseMove(int16_t Index);
    void frmHelp_lblobject_Click(int16_t Index);
    void frmHelp_lblHlp_Click();
    void frmHelp_lblVisit_Click();

    // Window-level controls.
    QPushButton* Command2 = nullptr;   // "Cancel"
    forms::Label* lblVisit = nullptr;

    // The page area.
    QWidget* pctinfo = nullptr;
    std::array<forms::Image*, 12> imgHelp{};
    forms::Label* lblHelp = nullptr;
    TextBox* lblstart = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* Command1 = nullptr;   // "Contents"
    QPushButton* cmdNext = nullptr;

    // The contents panel.
    QWidget* pctContents = nullptr;
    forms::Label* Label1 = nullptr;
    std::array<forms::Label*, 13> lblcontents{};

    // The options-help panel; its background is the picture of the options dialog.
    forms::Image* pctHelpOption = nullptr;
    std::array<forms::Label*, 6> lblobject{};
    std::array<forms::Label*, 7> lblopinfo{};
    forms::Image* Image1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* lblHlp = nullptr;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void ShowPage(int page);
    void KeepTheKeyboardInFront();

    // The focus policy each control of the three panels was built with; a
    // covered panel's controls take none meanwhile.
    QHash<QWidget*, Qt::FocusPolicy> focusPolicies_;
    QWidget* front_ = nullptr;
};

}  // namespace pelloric::win
