#pragma once

#include <QList>
#include <QString>

#include <functional>

class ListView;
class QWidget;

// One page of the gallery: a title and a builder that makes its content, 480 by 208 pixels,
// as a child of the given parent. Each page lives in its own file; to add one, write its
// builder and list it in galleryPages().
struct GalleryPage
{
    QString title;
    std::function<QWidget *(QWidget *parent)> build;
};

QList<GalleryPage> galleryPages();

// Gives a list the look of the application screens: dark text on white, blue selection.
void useScreenColours(ListView *list);

QWidget *buildSettingRowsPage(QWidget *parent);
QWidget *buildEntryRowsPage(QWidget *parent);
QWidget *buildValueRowsPage(QWidget *parent);
QWidget *buildDateTimeRowsPage(QWidget *parent);
QWidget *buildPagedListPage(QWidget *parent);
QWidget *buildEmptyListPage(QWidget *parent);
QWidget *buildSlideListPage(QWidget *parent);
QWidget *buildCallRowsPage(QWidget *parent);
QWidget *buildContactRowsPage(QWidget *parent);
QWidget *buildPresenceRowsPage(QWidget *parent);
QWidget *buildSubTitleRowsPage(QWidget *parent);
QWidget *buildSelectPopupPage(QWidget *parent);
QWidget *buildNoticesPage(QWidget *parent);
QWidget *buildBarsPage(QWidget *parent);
