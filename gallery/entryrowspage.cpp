#include "gallerypages.h"

#include "listview.h"
#include "listviewsettingitems.h"
#include "listviewvalueitems.h"

// Text rows edited in place: the overlay editor follows the selection. The rows with address
// and port validation are on the list's second page.
QWidget *buildEntryRowsPage(QWidget *parent)
{
    auto *list = new ListView(parent);
    auto *name = new ListViewLineEditItem(QStringLiteral("SSID"), QStringLiteral("Office-AP"));
    name->setMaxLength(32);
    list->addItem(name);
    auto *password
        = new ListViewLineEditItem(QStringLiteral("Password"), QStringLiteral("secret12"));
    password->setEchoPasswordMode(true);
    list->addItem(password);
    list->addItem(new ListViewCheckLineEditItem(
        QStringLiteral("Proxy"), true, true, QStringLiteral("proxy.example.org")));
    list->addItem(new ListViewCheckLineEditItem(
        QStringLiteral("Note"), false, QStringLiteral("a box without a label")));
    list->addItem(new ListViewLineEditCheckItem(
        QStringLiteral("Forward"), true, true, QStringLiteral("Forward to 1234")));
    auto *address
        = new ListViewLineEditItem(QStringLiteral("IP address"), QStringLiteral("192.168.0.1"));
    address->setIPValidate(true);
    list->addItem(address);
    auto *port = new ListViewLineEditItem(QStringLiteral("SIP port"), QStringLiteral("10060"));
    port->setSipPortValidate(true);
    list->addItem(port);
    useScreenColours(list);
    // Its text sits on the dark hold bar.
    list->item(4)->setTextColor(Qt::white);
    return list;
}
