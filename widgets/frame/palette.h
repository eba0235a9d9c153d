#pragma once

#include <QColor>

// The widget set's colours in one place. Functions rather than constants: Qt 4.8's QColor
// has no constant constructor, and a function needs no static initialiser in every unit.
namespace WidgetPalette {

// Texts on the light list background of the application screens and the popup.
inline QColor rowText()
{
    return QColor(28, 28, 28);
}
inline QColor selectedText()
{
    return QColor(255, 255, 255);
}
// The highlight of the selected row, and its lighter form while the list has no focus.
inline QColor selectedBackground()
{
    return QColor(95, 113, 160);
}
inline QColor noFocusSelectedBackground()
{
    return QColor(159, 177, 224);
}
// Row separators, with the white line under each separator of the popup.
inline QColor separator()
{
    return QColor(195, 195, 195);
}
inline QColor separatorHighlight()
{
    return QColor(255, 255, 255);
}
// A list's default separator on the dark background.
inline QColor darkSeparator()
{
    return QColor(21, 21, 21);
}
// The translucent scroll-bar thumb.
inline QColor scrollThumb()
{
    return QColor(178, 178, 178, 160);
}
// "No Items" of an empty list.
inline QColor emptyListText()
{
    return QColor(89, 89, 89);
}
// The overlay editor placed over a row, as a style sheet colour pair.
inline QColor editorBackground()
{
    return QColor(0x54, 0x64, 0x83);
}
inline QColor editorText()
{
    return QColor(255, 255, 255);
}
// The soft keys' labels, and a label while its key is held down.
inline QColor softKeyText()
{
    return QColor(255, 255, 255);
}
inline QColor pressedSoftKeyText()
{
    return QColor(0xae, 0xae, 0xae);
}
// Values of the row kinds: white on a selected row, gray otherwise.
inline QColor value()
{
    return QColor(155, 155, 155);
}
inline QColor selectedValue()
{
    return QColor(255, 255, 255);
}
// Secondary texts of the call and contact rows.
inline QColor callLabelSelected()
{
    return QColor(138, 162, 218);
}
inline QColor callTime()
{
    return QColor(231, 231, 231);
}
inline QColor callDetail()
{
    return QColor(62, 62, 62);
}
inline QColor contactDetail()
{
    return QColor(205, 205, 205);
}
// The shadow under a subtitle row's text.
inline QColor subtitleShadow()
{
    return QColor(0, 0, 0, 70);
}
// A marked day of the date row.
inline QColor markedDay()
{
    return QColor(0xe0, 0x1c, 0x00);
}
// The popup's contents title and its shadow.
inline QColor popupTitle()
{
    return QColor(196, 214, 255);
}
inline QColor popupTitleShadow()
{
    return QColor(28, 28, 28, 100);
}
// Texts on the dark bars: clock, image buttons.
inline QColor barText()
{
    return QColor(255, 255, 255);
}

} // namespace WidgetPalette
