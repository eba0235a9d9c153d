#pragma once

#include <QColor>
#include <QSizeF>

#include <functional>

class QPainter;

// Vector drawings of the shell's shared images. Every factory returns a function that paints
// one image into a painter whose device is exactly the image, cleared to transparent.
namespace theme {

using Draw = std::function<void(QPainter &, const QSizeF &)>;

namespace palette {
    inline const QColor selection {95, 113, 160};
    inline const QColor selectionDark {70, 86, 128};
    inline const QColor selectionLight {128, 145, 190};
    inline const QColor listText {28, 28, 28};
    inline const QColor separator {195, 195, 195};
    // Icons on the white list.
    inline const QColor ink {62, 70, 90};
    inline const QColor inkUnlit {202, 206, 214};
    // Unavailable indicators on the dark bars.
    inline const QColor dim {112, 118, 134};
    inline const QColor green {52, 168, 88};
    inline const QColor red {216, 60, 50};
    inline const QColor orange {240, 146, 34};
    inline const QColor grey {160, 165, 174};
    inline const QColor blue {54, 124, 216};
    inline const QColor darkGrey {88, 92, 102};
} // namespace palette

// Colour family of an icon: Dark on the white list, Light on the blue selection and on the
// dark bars, Dim for an indicator of something present but not usable.
enum class Ink { Dark, Light, Dim };

// Three-piece faces: two caps drawn as they are and a middle piece that is stretched or tiled.
enum class Piece { Left, Center, Right };

enum class Presence { Online, Meeting, Food, Offline, Danger, Different, Logout };
enum class Medium { Call, Video, Message };
enum class Direction { Incoming, Outgoing, Missed };
enum class LineState { Ringing, Hold };
enum class Headset { Wired, Ehs, Earjack, Bluetooth };
enum class Language { Hangul, LowerCase, UpperCase, Number, Special };
enum class Segment { Empty, Filled, FilledSelected };

QColor inkColour(Ink ink);

// Backgrounds and bars.
Draw fill(const QColor &colour);
Draw statusBar();
Draw keyBar();
Draw keyBarSeparator();
Draw keyBarPressed();
Draw selectedRow();

// Row furniture.
Draw checkBox(Piece piece);
Draw checkTick();
Draw radioMark(bool checked);
Draw nextArrow();
Draw inputBox(Piece piece);
Draw volumeSegment(Segment look);
Draw holdBar(Piece piece);

// Row and indicator icons; bars is the number of lit elements, 0 to 4, or -1 for unknown.
Draw wifi(int bars, Ink ink, bool secured = false);
Draw presence(Presence state);
Draw callAvailability(const QColor &colour);
Draw avatar(const QColor &top, const QColor &bottom);
Draw history(Medium medium, Direction direction, Ink ink);
Draw lineState(LineState state, Ink ink);

// Function-key bar, popup and button faces.
Draw triangleArrow(bool left, Ink ink);
Draw openClose(bool open);
Draw popupPanel();
Draw popupHighlight(Piece piece);
Draw popupButton(Piece piece, bool pressed);
Draw busyFrame(int frame);

// Status-bar indicators.
Draw dialLine(int frame);
Draw upgrade();
Draw lock();
Draw camera(bool on, Ink ink);
Draw chainLink();
Draw moduleLink();
Draw mobile();
Draw bluetoothPairing(Ink ink);
Draw headset(Headset kind, Ink ink);
Draw agMode(Ink ink);
Draw hotspot();
Draw languageKey(Language language);

} // namespace theme
