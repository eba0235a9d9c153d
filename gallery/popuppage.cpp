#include "gallerypages.h"

#include "imagebutton.h"
#include "listviewsettingitems.h"
#include "palette.h"
#include "selectpopup.h"
#include "status.h"
#include "tail.h"
#include "toast.h"

#include <QLabel>
#include <QPixmap>

// The selection popup as the settings screen opens it, drawn inside the page.
QWidget *buildSelectPopupPage(QWidget *parent)
{
    auto *page = new QLabel(parent);
    page->setPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    auto *popup = new SelectPopup(page, 5);
    popup->setWindowFlags(Qt::Widget);
    popup->setUseAnimation(false);
    popup->prevButton()->hide();
    popup->nextButton()->hide();
    const char *const choices[] = {"802.11b", "802.11g", "802.11n"};
    for (const char *choice : choices) {
        auto *row = new ListViewRadioItem(QString::fromLatin1(choice), false);
        row->setTextColor(WidgetPalette::rowText());
        row->setTextSelectColor(Qt::white);
        row->setBackGroundSelectColor(WidgetPalette::selectedBackground());
        popup->listView()->addItem(row);
    }
    static_cast<ListViewRadioItem *>(popup->listView()->item(2))->setChecked(true);
    popup->listView()->setSelectedIdx(2);
    // The page starts below the status bar; the popup covers the whole display.
    popup->move(0, -32);
    popup->show();
    return page;
}

// A result notice over a screen, a progress notice, and the popups' buttons at rest and held.
QWidget *buildNoticesPage(QWidget *parent)
{
    auto *page = new QLabel(parent);
    page->setPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    auto *notice = new Toast(QStringLiteral("Failed\nPlease try again"), 0, page);
    notice->move(0, -62);
    notice->show();
    auto *wait = new ToastWait(QStringLiteral("Saving..."), 0, page);
    wait->move(0, 22);
    wait->show();
    const struct
    {
        const char *text;
        const char *icon;
        bool iconLeft;
        bool held;
    } buttons[] = {{"<", ":/ui/images/popup_button_arrow_left.png", true, false},
        {"Cancel", nullptr, true, false}, {"OK", nullptr, true, true},
        {">", ":/ui/images/popup_button_arrow_right.png", false, false}};
    int x = 3;
    for (const auto &face : buttons) {
        auto *button = new ImageButton(page);
        QFont font = button->font();
        font.setPointSize(18);
        button->setFont(font);
        button->setGeometry(x, 172, 116, 31);
        button->setText(QString::fromLatin1(face.text));
        if (face.icon)
            button->setIcon(QPixmap(QString::fromLatin1(face.icon)), face.iconLeft);
        button->setHover(face.held);
        x += 119;
    }
    return page;
}

// The status bar with its indicators and the function-key bar with labels and icons.
QWidget *buildBarsPage(QWidget *parent)
{
    auto *page = new QLabel(parent);
    page->setPixmap(QPixmap(QStringLiteral(":/ui/images/bg_white.png")));
    auto *status = new Status(page);
    status->setWindowFlags(Qt::Widget);
    status->setGeometry(0, 16, 480, 32);
    status->setTitle(QStringLiteral("Status bar"));
    status->setUIStatusLock(true);
    status->setUIStatusWifiHotspot(true);
    status->setUIStatusWifi(Status::UIStatusWifiStep3);
    status->setUIStatusHeadSet(Status::UIStatusHeadsetOn);
    status->setPresence(Status::PresenceMeeting);
    status->setTime24Hour(true);
    status->show();
    auto *inCall = new Status(page);
    inCall->setWindowFlags(Qt::Widget);
    inCall->setGeometry(0, 64, 480, 32);
    inCall->setStatusIcon_isCall(true);
    inCall->setUIStatusCall(true);
    inCall->setIMEStatus(IMEStatusKorean);
    inCall->show();
    auto *tail = new Tail(page);
    tail->setGeometry(0, 128, 480, 32);
    const char *const keys[] = {"<Prev", "Information", "", "Erase", "Next>"};
    for (int idx = 0; idx < 5; ++idx)
        tail->setFuncButtonText(idx, QString::fromLatin1(keys[idx]));
    auto *open = new Tail(page);
    open->setGeometry(0, 168, 480, 32);
    const char *const others[] = {"Refresh", "", "Save", "", "<>"};
    for (int idx = 0; idx < 5; ++idx)
        open->setFuncButtonText(idx, QString::fromLatin1(others[idx]));
    return page;
}
