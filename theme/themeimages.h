#pragma once

#include "themedraw.h"

#include <QSize>

#include <vector>

namespace theme {

// What an image is drawn over on the device; the contact sheet shows it on that ground.
enum class Ground { List, Selection, Bar, Screen, Bubble };

// One image of the theme: its resource path without the leading ":/", its pixel size and the
// drawing that makes it.
struct ThemeImage
{
    const char *path;
    QSize size;
    Ground ground;
    Draw draw;
};

// Every image that the widget set and the shell's screens address, in one table.
const std::vector<ThemeImage> &themeImages();

} // namespace theme
