#include "message_box.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QThread>

#include "conquest/kunitori_dialog.h"
#include "dialog_place.h"
#include "engine/host.h"
#include "engine/strings.h"
#include "interaction/mon_sel.h"
#include "interaction/select.h"
#include "shell/extras/back_set.h"
#include "shell/extras/help_dialogs.h"
#include "text/ui_text.h"

namespace quintrick {

namespace {

// The questions whose Yes throws something away: No is their default, and a line under the
// question says what Yes does.
struct Destructive {
    int question;
    int info;
};
constexpr Destructive kDestructive[] = {{kMsgQuitMidway, kInfoQuitMidway},
                                        {kMsgAbandonMatch, kInfoAbandonMatch},
                                        {kMsgRecordsClearAsk, kInfoRecordsClear}};

const Destructive* DestructiveQuestion(int stringId) {
    for (const Destructive& d : kDestructive) {
        if (d.question == stringId) return &d;
    }
    return nullptr;
}

}  // namespace

int ShowMessageBox(QWidget* owner, int stringId, std::string_view prefix, int style,
                   std::vector<QRect> keepClear) {
    const QString entry = UiText(stringId);
    if (entry.isEmpty()) return 0;
    const QString text = QString::fromUtf8(prefix.data(), qsizetype(prefix.size())) + entry;
    QMessageBox box(owner);
    box.setWindowTitle("Quintrick");
    box.setText(text);
    if (owner && !keepClear.empty()) OpenClearOf(box, *owner, std::move(keepClear));
    if (style == kStyleQuestion) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const Destructive* destructive = DestructiveQuestion(stringId);
        box.setDefaultButton(destructive ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        if (destructive) box.setInformativeText(UiText(destructive->info));
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setIcon(style == kStyleError ? QMessageBox::Critical : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

int CQtDialogs::Message(QWidget* owner, int stringId, std::string_view prefix, int style) {
    std::vector<QRect> keep;
    if (stringId == kMsgContinue && m_areas.continueMatch) keep = m_areas.continueMatch();
    return ShowMessageBox(owner, stringId, prefix, style, std::move(keep));
}

int CQtDialogs::ChooseSuit(QWidget* owner, std::string_view prompt) {
    CMonSel dialog(owner, m_clickSound);
    dialog.m_prompt = std::string(prompt);
    // Naming the trump: the partner's show cards and the human's hand stay in sight.
    if (owner && !prompt.empty() && m_areas.trumpChoice) {
        OpenClearOf(dialog, *owner, m_areas.trumpChoice());
    }
    dialog.exec();
    return dialog.m_suit;
}

int CQtDialogs::ChooseCharacter(QWidget* owner) {
    CSelect dialog(owner);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.m_chosen;
}

void CQtDialogs::RunMenu(QMenu& menu, QPoint global) {
    menu.exec(global);
}

void CQtDialogs::OpenMap(QWidget* owner, const KunitoriContext& context) {
    CKunitori::Run(context, owner);
}

void CQtDialogs::OpenCardBacks(QWidget* owner, BackSetHost& host) {
    RunBackSettings(host, owner);
}

void CQtDialogs::OpenHelp(QWidget* owner, IMessageBox& messages, const HelpPage& page) {
    CHelpDlg dialog(messages, owner);
    dialog.m_page = QString::fromUtf8(page.page);
    dialog.m_caption = HelpCaption(page);
    dialog.exec();
}

void CQtDialogs::OpenAbout(QWidget* owner) {
    CAboutDlg dialog(owner);
    dialog.exec();
}

void CQtDialogs::Pause(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace quintrick
